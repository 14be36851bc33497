#pragma once
// Hand-over of work from any thread to the main thread, bound to an owner on the main thread: work that
// arrives after the owner was destroyed is dropped, never run.

#include <atomic>
#include <functional>
#include <memory>

namespace platform {

// What a worker keeps to send work; copies are cheap and may outlive the owner.
class HandOverSender {
 public:
  HandOverSender() = default;
  // Queues work for the main thread (any thread); false when the owner is already gone.
  bool Post(std::function<void()> work) const;
  bool OwnerAlive() const { return alive_ && alive_->load(); }

 private:
  friend class HandOver;
  explicit HandOverSender(std::shared_ptr<std::atomic<bool>> alive) : alive_(std::move(alive)) {}
  std::shared_ptr<std::atomic<bool>> alive_;
};

// Held by the owner (a member of the control). Its destruction, on the main thread, cuts off pending work;
// since queued work also runs on the main thread, none of it can run during or after that destruction.
class HandOver {
 public:
  HandOver();
  ~HandOver();
  HandOver(const HandOver&) = delete;
  HandOver& operator=(const HandOver&) = delete;

  HandOverSender Sender() const { return HandOverSender(alive_); }
  bool Post(std::function<void()> work) const { return Sender().Post(std::move(work)); }

 private:
  std::shared_ptr<std::atomic<bool>> alive_;
};

}  // namespace platform
