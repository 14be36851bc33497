#pragma once
// The companion of the editor library's controls on a form: the key-command processor, the timer
// pool, the century for two-digit years and the form-wide events.

#include "controls/editor/CommandProcessor.h"
#include "controls/editor/TimerPool.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace controls {

enum TEntryOption : std::uint8_t {
  efoAutoAdvanceChar = 1,
  efoAutoAdvanceLeftRight = 2,
  efoAutoAdvanceUpDown = 4,
  efoAutoSelect = 8,
  efoBeepOnError = 16,
  efoInsertPushes = 32,
};
using TEntryOptions = std::uint8_t;

inline constexpr const char* OvcAbout = "v3.07";

class TOvcController {
 public:
  // A controller of form (may be none); controls on that form find it by ControllerOf.
  explicit TOvcController(QWidget* form = nullptr, TOvcTimerPool::TClock clock = {},
                          TOvcTimerPool::TTimerDriver driver = {});
  ~TOvcController();
  TOvcController(const TOvcController&) = delete;
  TOvcController& operator=(const TOvcController&) = delete;

  // The first controller of a form; none when the form has none.
  static TOvcController* ControllerOf(const QWidget* form);

  TOvcCommandProcessor& EntryCommands() { return *entryCommands_; }
  TOvcTimerPool& TimerPool() { return *timerPool_; }
  QWidget* Form() const { return form_; }

  TEntryOptions EntryOptions() const { return entryOptions_; }
  void SetEntryOptions(TEntryOptions options) { entryOptions_ = options; }
  // Century base for two-digit years; only 1600..3999 is accepted.
  int Epoch() const;
  void SetEpoch(int epoch);
  // The insert state shared by the editors of the form.
  bool InsertMode() const { return insertMode_; }
  void SetInsertMode(bool on) { insertMode_ = on; }
  // False unless OnIsSpecialControl says otherwise.
  bool IsSpecialControl(const QWidget* control) const;

  // Called when the controller goes away; controls use it to drop their reference.
  void AddDestroyHook(const void* owner, std::function<void()> hook);
  void RemoveDestroyHook(const void* owner);

  std::function<void(const TOvcController&, int& epoch)> OnGetEpoch;
  std::function<void(const TOvcController&, const QWidget* control, bool& special)> OnIsSpecialControl;
  TTriggerEvent OnTimerTrigger;
  std::function<void(TOvcController&, int errorCode)> OnError;
  std::function<void(TOvcController&)> OnDelayNotify, OnPostEdit, OnPreEdit;

 private:
  QWidget* form_;
  std::unique_ptr<TOvcCommandProcessor> entryCommands_;
  std::unique_ptr<TOvcTimerPool> timerPool_;
  std::vector<std::pair<const void*, std::function<void()>>> destroyHooks_;
  TEntryOptions entryOptions_ = efoAutoSelect | efoBeepOnError | efoInsertPushes;
  int epoch_;
  bool insertMode_ = true;
};

}  // namespace controls
