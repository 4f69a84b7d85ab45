// Undo snapshots: the first write-open of an object while recording keeps
// its filed state (through dwgOutFields into an in-memory filer), so the last
// recorded step can be put back. Objects added while recording are erased
// again on undo. What an undo put back can be redone until the next change.
#pragma once

#include <cstdint>
#include <memory>
#include <unordered_set>
#include <vector>

#include "db_core.h"

namespace zek {

class UndoRecorder {
public:
  UndoRecorder();
  ~UndoRecorder();

  // Starts a step (a command). Steps do not nest: a second begin ends the first.
  void beginStep();
  void endStep();
  bool isRecording() const { return recording_; }
  // Called by the open functions on a write open, and when an object is added.
  void noteWriteOpen(AcDbObject* object);
  void noteAdded(AcDbObjectId id);
  // Puts the last ended step back. Answers false when there is nothing to undo.
  bool undoLastStep();
  // Makes the last undone step again; false when nothing was undone since
  // the last change.
  bool redoLastUndo();
  std::size_t stepCount() const;
  std::size_t redoCount() const { return redo_.size(); }

private:
  struct Snapshot;
  struct Step;
  // Applies a step's snapshots and erasures; answers the step that reverses it.
  static std::unique_ptr<Step> apply(Step& step);
  std::vector<std::unique_ptr<Step>> steps_;
  std::vector<std::unique_ptr<Step>> redo_;
  bool recording_ = false;
};

}  // namespace zek
