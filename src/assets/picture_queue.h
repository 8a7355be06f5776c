// PictureQueue: decodes the JPEG pictures the loading is about to upload on
// worker threads, so the main thread is left reading members, building
// objects and uploading. The main thread expects pictures in the order it
// will ask for them and takes each when its texture is made; the pictures
// it passes over are dropped. Only the main thread touches the Resources
// (the archive's diagnostics are not shared between threads): the workers
// see bytes only. At most MaxDecodedAhead pictures are held decoded, so the
// memory stays bounded however many are expected.
#pragma once
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "assets/jpeg_decoder.h"
#include "assets/resources.h"

class PictureQueue {
 public:
  static constexpr size_t MaxDecodedAhead = 6;

  // workers: the decoding threads, at least one.
  PictureQueue(const Resources& resources, int workers);
  ~PictureQueue();  // stops the workers; what was not taken is dropped
  PictureQueue(const PictureQueue&) = delete;
  PictureQueue& operator=(const PictureQueue&) = delete;

  // Reads archive member path now and queues its decoding. A path expected
  // before is not queued again: its texture is made once and then reused.
  void Expect(const std::string& path);
  // Expects every picture the text names (a word ending in ".jpg", in any
  // case), in the order they stand.
  void ExpectNamedIn(const uint8_t* text, size_t size);
  // Waits for path's picture and gives it as LoadJpeg would have; the
  // pictures expected before it are dropped. False when path is not
  // waiting (never expected, passed over or taken): the caller reads it.
  bool Take(const std::string& path, DecodedImage& image, ImageStatus& status);

  // One thread less than the machine has cores, and at least one.
  static int DefaultWorkers();

 private:
  struct Entry;
  std::shared_ptr<Entry> NextToDecode() const;
  void Work();

  const Resources& resources_;
  std::set<std::string> expected_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::shared_ptr<Entry>> waiting_;  // in the order expected
  bool stopping_ = false;
  std::vector<std::thread> workers_;
};
