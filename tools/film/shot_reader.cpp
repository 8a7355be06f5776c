#include "tools/film/shot_reader.h"

#include <cstdlib>
#include <sstream>
#include <vector>

namespace {

// Splits a line at blanks, keeping "V(x y z)" together; a "//" token ends
// the line.
std::vector<std::string> Tokens(const std::string& line) {
  std::vector<std::string> tokens;
  std::string current;
  int depth = 0;
  for (char c : line) {
    if (c == '(') ++depth;
    if (c == ')') --depth;
    if ((c == ' ' || c == '\t') && depth <= 0) {
      if (!current.empty()) tokens.push_back(current);
      current.clear();
      continue;
    }
    current += c;
  }
  if (!current.empty()) tokens.push_back(current);
  for (size_t i = 0; i < tokens.size(); ++i) {
    if (tokens[i].rfind("//", 0) == 0) {
      tokens.resize(i);
      break;
    }
  }
  return tokens;
}

class Reader {
 public:
  Reader(const std::string& path, ShotFile& file, std::string& errors)
      : path_(path), file_(file), errors_(errors) {}

  bool Run(const std::string& text) {
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
      ++lineNumber_;
      if (!line.empty() && line.back() == '\r') line.pop_back();
      rawLine_ = line;
      tokens_ = Tokens(line);
      if (!tokens_.empty()) Handle();
    }
    if (block_ != Block::Top) Error("the file ends inside a block");
    if (file_.world.empty()) Error("no \"world\" line");
    if (file_.sceneDir.empty()) Error("no \"dir\" line");
    return ok_;
  }

 private:
  enum class Block { Top, Shot, Mover };

  void Error(const std::string& message) {
    errors_ += path_ + ":" + std::to_string(lineNumber_) + ": " + message + "\n";
    ok_ = false;
  }

  bool Number(const std::string& token, float& value) {
    char* end = nullptr;
    value = std::strtof(token.c_str(), &end);
    if (token.empty() || *end != 0) {
      Error("not a number: " + token);
      return false;
    }
    return true;
  }

  bool Literal(const std::string& token, Vec3& value) {
    if (token.size() < 4 || token.rfind("V(", 0) != 0 || token.back() != ')') return false;
    std::istringstream in(token.substr(2, token.size() - 3));
    std::string extra;
    if ((in >> value.x >> value.y >> value.z) && !(in >> extra)) return true;
    return false;
  }

  // V(x y z), NAME, NAME+V(x y z) or NAME-V(x y z).
  bool Vector(const std::string& token, Vec3& value) {
    if (Literal(token, value)) return true;
    size_t sign = token.find_first_of("+-");
    std::string name = token.substr(0, sign);
    auto point = file_.points.find(name);
    if (point == file_.points.end()) {
      Error("unknown point or bad vector: " + token);
      return false;
    }
    value = point->second;
    if (sign == std::string::npos) return true;
    Vec3 offset;
    if (!Literal(token.substr(sign + 1), offset)) {
      Error("bad offset: " + token);
      return false;
    }
    value = token[sign] == '+' ? Add(value, offset) : Sub(value, offset);
    return true;
  }

  bool Vectors(size_t first, std::vector<Vec3>& values) {
    values.clear();
    for (size_t i = first; i < tokens_.size(); ++i) {
      Vec3 v;
      if (!Vector(tokens_[i], v)) return false;
      values.push_back(v);
    }
    return true;
  }

  bool Count(size_t low, size_t high) {
    if (tokens_.size() >= low && tokens_.size() <= high) return true;
    Error("wrong number of words for \"" + tokens_[0] + "\"");
    return false;
  }

  // Everything after the keyword, as written.
  std::string Rest() const {
    size_t at = rawLine_.find(tokens_[0]) + tokens_[0].size();
    size_t begin = rawLine_.find_first_not_of(" \t", at);
    return begin == std::string::npos ? "" : rawLine_.substr(begin);
  }

  void Handle() {
    switch (block_) {
      case Block::Top: return Top();
      case Block::Shot: return InShot();
      case Block::Mover: return InMover();
    }
  }

  void Top() {
    const std::string& key = tokens_[0];
    if (key == "world") {
      if (Count(2, 2)) file_.world = tokens_[1];
    } else if (key == "dir") {
      if (Count(2, 2)) file_.sceneDir = tokens_[1];
    } else if (key == "point") {
      Vec3 v;
      if (Count(3, 3) && Vector(tokens_[2], v)) file_.points[tokens_[1]] = v;
    } else if (key == "shot") {
      if (!Count(3, 3)) return;
      file_.shots.emplace_back();
      shot_ = &file_.shots.back();
      shot_->name = tokens_[1];
      shot_->sourceLine = lineNumber_;
      Number(tokens_[2], shot_->length);
      shot_->camera.easeIn = shot_->camera.easeOut = 0.3f;
      block_ = Block::Shot;
    } else {
      Error("unknown line: " + key);
    }
  }

  bool FadeLine() {
    if (!Count(4, 4)) return false;
    Fade fade;
    if (tokens_[2] == "black") fade.colour = FadeColour::Black;
    else if (tokens_[2] == "white") fade.colour = FadeColour::White;
    else if (tokens_[2] != "none") return Error("fade colour is black, white or none"), false;
    if (!Number(tokens_[3], fade.seconds)) return false;
    if (tokens_[1] == "in") shot_->fadeIn = fade;
    else if (tokens_[1] == "out") shot_->fadeOut = fade;
    else return Error("fade is \"in\" or \"out\""), false;
    return true;
  }

  void InShot() {
    const std::string& key = tokens_[0];
    if (key == "end") {
      block_ = Block::Top;
    } else if (key == "title") {
      shot_->title = Rest();
    } else if (key == "step") {
      if (Count(2, 2)) Number(tokens_[1], shot_->step);
    } else if (key == "fade") {
      FadeLine();
    } else if (key == "line") {
      shot_->lines.push_back(Rest());
    } else if (key == "camera") {
      mover_ = &shot_->camera;
      block_ = Block::Mover;
    } else if (key == "ship") {
      if (!Count(2, 2)) return;
      shot_->ships.emplace_back();
      mover_ = &shot_->ships.back();
      mover_->name = tokens_[1];
      mover_->look.kind = LookSpec::Ahead;
      block_ = Block::Mover;
    } else {
      Error("unknown line in a shot: " + key);
    }
  }

  void Pair(float (&values)[2]) {
    if (!Count(2, 3) || !Number(tokens_[1], values[0])) return;
    values[1] = values[0];
    if (tokens_.size() == 3) Number(tokens_[2], values[1]);
  }

  void Arc() {
    PathSpec& path = mover_->path;
    path.kind = PathSpec::Arc;
    if (tokens_.size() < 5 || tokens_[3] != "turn") {
      return Error("arc CENTRE START turn DEGREES [rise UNITS] [grow FACTOR]");
    }
    if (!Vector(tokens_[1], path.centre) || !Vector(tokens_[2], path.start)) return;
    Number(tokens_[4], path.turn);
    for (size_t i = 5; i + 1 < tokens_.size(); i += 2) {
      if (tokens_[i] == "rise") Number(tokens_[i + 1], path.rise);
      else if (tokens_[i] == "grow") Number(tokens_[i + 1], path.grow);
      else Error("unknown arc word: " + tokens_[i]);
    }
    if (tokens_.size() % 2 == 0) Error("arc words come in pairs");
  }

  void Look() {
    LookSpec& look = mover_->look;
    if (tokens_.size() >= 3 && tokens_[1] == "ship") {
      look.kind = LookSpec::Ship;
      look.ship = tokens_[2];
      if (Count(3, 4) && tokens_.size() == 4) Vector(tokens_[3], look.offset);
    } else if (tokens_.size() == 2 && tokens_[1] == "ahead") {
      look.kind = LookSpec::Ahead;
    } else if (Count(2, 64)) {
      look.kind = LookSpec::Points;
      Vectors(1, look.points);
    }
  }

  void Frame() {
    if (tokens_.size() != 3 && tokens_.size() != 5) return Error("frame U V [U V]");
    bool two = tokens_.size() == 5;
    Number(tokens_[1], mover_->frameU[0]);
    Number(tokens_[2], mover_->frameV[0]);
    Number(tokens_[two ? 3 : 1], mover_->frameU[1]);
    Number(tokens_[two ? 4 : 2], mover_->frameV[1]);
  }

  void InMover() {
    const std::string& key = tokens_[0];
    const bool camera = mover_ == &shot_->camera;
    if (key == "end") {
      block_ = Block::Shot;
    } else if (key == "path") {
      mover_->path.kind = PathSpec::Points;
      if (Count(3, 64)) Vectors(1, mover_->path.points);
    } else if (key == "arc") {
      Arc();
    } else if (key == "look" && camera) {
      Look();
    } else if (key == "frame" && camera) {
      Frame();
    } else if (key == "roll") {
      Pair(mover_->roll);
    } else if (key == "ease") {
      if (!Count(3, 3)) return;
      Number(tokens_[1], mover_->easeIn);
      Number(tokens_[2], mover_->easeOut);
    } else if ((key == "formation" && !camera) || (key == "follow" && camera)) {
      if (!Count(3, camera ? 4 : 3)) return;
      mover_->leader = tokens_[1];
      if (Vector(tokens_[2], mover_->slot)) mover_->slotEnd = mover_->slot;
      if (tokens_.size() == 4) Vector(tokens_[3], mover_->slotEnd);
    } else {
      Error("unknown line in a " + std::string(camera ? "camera" : "ship") + " block: " + key);
    }
  }

  std::string path_;
  ShotFile& file_;
  std::string& errors_;
  int lineNumber_ = 0;
  std::string rawLine_;
  std::vector<std::string> tokens_;
  Block block_ = Block::Top;
  Shot* shot_ = nullptr;
  MoverSpec* mover_ = nullptr;
  bool ok_ = true;
};

}  // namespace

bool ReadShotFile(const std::string& path, const std::string& text, ShotFile& file,
                  std::string& errors) {
  file = ShotFile{};
  file.path = path;
  return Reader(path, file, errors).Run(text);
}
