#include "platform/WorkerThread.h"

#include "platform/Exceptions.h"

#include <chrono>
#include <cstdio>
#include <memory>

namespace platform {

WorkerThread::WorkerThread(Body body) : body_(std::move(body)), sender_(handOver_.Sender()) {}

WorkerThread::~WorkerThread()
{
  Stop();
}

void WorkerThread::Stop()
{
  Terminate();
  if (thread_.joinable())
    thread_.join();
}

void WorkerThread::Start()
{
  if (thread_.joinable()) {
    if (!Terminated())
      return;
    thread_.join();
  }
  {
    std::lock_guard lock(mutex_);
    terminated_ = false;
  }
  thread_ = std::thread([this] {
    try {
      body_(*this);
    } catch (const std::exception& e) {
      // The body's error is shown on the main thread, if its owner is still there.
      Post([message = QString::fromUtf8(e.what())] { throw Exception(message); });
    } catch (...) {
      std::fprintf(stderr, "Worker thread ended by an unknown error\n");
    }
  });
}

void WorkerThread::Terminate()
{
  {
    std::lock_guard lock(mutex_);
    terminated_ = true;
  }
  wake_.notify_all();
}

bool WorkerThread::Terminated() const
{
  std::lock_guard lock(mutex_);
  return terminated_;
}

bool WorkerThread::Sleep(int milliseconds)
{
  std::unique_lock lock(mutex_);
  return !wake_.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return terminated_; });
}

bool WorkerThread::Synchronize(std::function<void()> work)
{
  // The state is shared: the main thread may run the work after this call gave up waiting.
  struct Done {
    bool value = false;
  };
  auto done = std::make_shared<Done>();
  const bool posted = sender_.Post([this, done, work = std::move(work)] {
    // Runs only while the owner (and so this thread object) exists.
    try {
      work();
    } catch (...) {
      {
        std::lock_guard lock(mutex_);
        done->value = true;
      }
      wake_.notify_all();
      throw;
    }
    {
      std::lock_guard lock(mutex_);
      done->value = true;
    }
    wake_.notify_all();
  });
  if (!posted)
    return false;
  std::unique_lock lock(mutex_);
  wake_.wait(lock, [&] { return done->value || terminated_; });
  return done->value;
}

}  // namespace platform
