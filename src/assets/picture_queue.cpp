#include "assets/picture_queue.h"

#include <algorithm>
#include <cctype>

struct PictureQueue::Entry {
  enum class State { Queued, Decoding, Done };
  std::string path;
  std::vector<uint8_t> bytes;
  State state = State::Queued;
  ImageStatus status = ImageStatus::Missing;
  DecodedImage image;
};

PictureQueue::PictureQueue(const Resources& resources, int workers) : resources_(resources) {
  for (int i = 0; i < std::max(workers, 1); ++i) workers_.emplace_back([this] { Work(); });
}

PictureQueue::~PictureQueue() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  for (std::thread& worker : workers_) worker.join();
}

int PictureQueue::DefaultWorkers() {
  return std::max(int(std::thread::hardware_concurrency()) - 1, 1);
}

void PictureQueue::Expect(const std::string& path) {
  if (!expected_.insert(path).second) return;
  auto entry = std::make_shared<Entry>();
  entry->path = path;
  ResourceStream stream;
  if (resources_.OpenArchiveMember(path.c_str(), stream))
    entry->bytes.assign(stream.data(), stream.data() + stream.size());
  else
    entry->state = Entry::State::Done;  // Missing, as LoadJpeg says
  {
    std::lock_guard<std::mutex> lock(mutex_);
    waiting_.push_back(std::move(entry));
  }
  changed_.notify_all();
}

void PictureQueue::ExpectNamedIn(const uint8_t* text, size_t size) {
  auto isSpace = [](uint8_t c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  size_t i = 0;
  while (i < size) {
    while (i < size && isSpace(text[i])) ++i;
    size_t start = i;
    while (i < size && !isSpace(text[i])) ++i;
    std::string word(reinterpret_cast<const char*>(text) + start, i - start);
    std::string tail = word.size() > 4 ? word.substr(word.size() - 4) : "";
    std::transform(tail.begin(), tail.end(), tail.begin(), [](unsigned char c) { return std::tolower(c); });
    if (tail == ".jpg") Expect(word);
  }
}

bool PictureQueue::Take(const std::string& path, DecodedImage& image, ImageStatus& status) {
  std::unique_lock<std::mutex> lock(mutex_);
  auto found = std::find_if(waiting_.begin(), waiting_.end(),
                            [&path](const std::shared_ptr<Entry>& entry) { return entry->path == path; });
  if (found == waiting_.end()) return false;
  std::shared_ptr<Entry> entry = *found;
  // The loading went past the pictures before this one; a worker still
  // decoding one of them finishes and drops it.
  waiting_.erase(waiting_.begin(), found);
  changed_.notify_all();
  changed_.wait(lock, [&entry] { return entry->state == Entry::State::Done; });
  waiting_.pop_front();
  changed_.notify_all();
  status = entry->status;
  if (status == ImageStatus::Ok) image = std::move(entry->image);
  return true;
}

// Pictures are decoded in the order expected, and none while
// MaxDecodedAhead of the waiting ones are decoded or being decoded.
std::shared_ptr<PictureQueue::Entry> PictureQueue::NextToDecode() const {
  size_t started = 0;
  for (const std::shared_ptr<Entry>& entry : waiting_) {
    if (entry->state != Entry::State::Queued) {
      ++started;
      continue;
    }
    return started < MaxDecodedAhead ? entry : nullptr;
  }
  return nullptr;
}

void PictureQueue::Work() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    std::shared_ptr<Entry> entry;
    changed_.wait(lock, [this, &entry] { return stopping_ || (entry = NextToDecode()) != nullptr; });
    if (stopping_) return;
    entry->state = Entry::State::Decoding;
    lock.unlock();
    DecodedImage image;
    ImageStatus status = DecodeJpeg(entry->bytes.data(), entry->bytes.size(), image);
    lock.lock();
    entry->image = std::move(image);
    entry->status = status;
    entry->bytes = {};
    entry->state = Entry::State::Done;
    changed_.notify_all();
  }
}
