// Files replaced whole by a writer of their own.
#include "format/file_writer.hpp"

#include <algorithm>
#include <utility>

#include "format/files.hpp"

namespace velmora {

namespace {

std::string 置換する(const std::filesystem::path& target, std::string_view bytes) {
  return ファイル_置換(target, bytes);
}

}  // namespace

置換の書き手::置換の書き手(書き方 how) : 置換の書き手(how, 置換する) {}

置換の書き手::置換の書き手(書き方 how, 置換 replace) : replace_(std::move(replace)) {
  if (how == 書き方::別スレッドで) thread_ = std::thread([this] { 働く(); });
}

置換の書き手::~置換の書き手() {
  if (!thread_.joinable()) return;
  {
    const std::lock_guard lock(mutex_);
    ending_ = true;
  }
  wake_.notify_one();
  thread_.join();
}

void 置換の書き手::渡す(std::filesystem::path target, std::string bytes) {
  if (!thread_.joinable()) {
    ファイル now{std::move(target), std::move(bytes)};
    書く(now);
    return;
  }
  {
    const std::lock_guard lock(mutex_);
    const auto same = std::ranges::find(waiting_, target, &ファイル::target);
    if (same != waiting_.end())
      same->bytes = std::move(bytes);  // the older bytes are never written
    else
      waiting_.push_back({std::move(target), std::move(bytes)});
  }
  wake_.notify_one();
}

void 置換の書き手::待つ() {
  std::unique_lock lock(mutex_);
  quiet_.wait(lock, [this] { return waiting_.empty() && !writing_; });
}

void 置換の書き手::働く() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return !waiting_.empty() || ending_; });
    // At the end, whatever still waits is written before the thread goes.
    if (waiting_.empty()) return;
    ファイル next = std::move(waiting_.front());
    waiting_.erase(waiting_.begin());
    writing_ = true;
    lock.unlock();
    書く(next);
    lock.lock();
    writing_ = false;
    if (waiting_.empty()) quiet_.notify_all();
  }
}

void 置換の書き手::書く(ファイル& next) {
  const auto last = std::ranges::find(written_, next.target, &ファイル::target);
  if (last != written_.end() && last->bytes == next.bytes) return;
  // A failure (a full disk, a folder that cannot be written) leaves the file
  // as it was: what it was last replaced with still stands.
  bool replaced = false;
  try {
    replaced = replace_(next.target, next.bytes).empty();
  } catch (...) {
    // Out of memory: as any other failure, the file stays as it was.
  }
  if (!replaced) return;
  if (last != written_.end())
    last->bytes = std::move(next.bytes);
  else
    written_.push_back(std::move(next));
}

}  // namespace velmora
