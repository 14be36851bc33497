#pragma once
// A worker thread whose body runs until terminated, with interruptible sleeps and hand-over of work to
// the main thread. Its owner destroys it on the main thread: that terminates it, wakes it, waits for it,
// and drops every hand-over still pending.

#include "platform/HandOver.h"

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace platform {

class WorkerThread {
 public:
  using Body = std::function<void(WorkerThread&)>;

  explicit WorkerThread(Body body);
  ~WorkerThread();
  WorkerThread(const WorkerThread&) = delete;
  WorkerThread& operator=(const WorkerThread&) = delete;

  // Main thread
  void Start();      // also restarts a thread that was stopped
  void Terminate();  // asks the body to end and wakes it
  void Stop();       // terminates and waits for the body to end
  bool Running() const { return thread_.joinable(); }

  // Worker thread
  bool Terminated() const;
  bool Sleep(int milliseconds);  // false when woken by Terminate
  // Runs work on the main thread and waits for it; false when terminated or the owner went first.
  bool Synchronize(std::function<void()> work);
  // Queues work for the main thread without waiting.
  bool Post(std::function<void()> work) const { return sender_.Post(std::move(work)); }

 private:
  Body body_;
  HandOver handOver_;
  HandOverSender sender_;
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  bool terminated_ = false;
  std::thread thread_;
};

}  // namespace platform
