// Undo snapshots: the first write-open of an object while recording keeps
// its filed state (through dwgOutFields into an in-memory filer), so the last
// recorded step can be put back. Objects added while recording are erased
// again on undo and give their handles back: the handle seed returns to what
// it was before the step. The header variables ($CLAYER, DIM*, ...) are kept
// as the step began and put back when the step changed them. What an undo put
// back can be redone until the next change.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <unordered_set>
#include <vector>

#include "db_core.h"
#include "db/header_variables.h"

namespace zek {

class DatabaseCore;

class UndoRecorder {
public:
  // The recorder of a database's core (its header and handles).
  explicit UndoRecorder(DatabaseCore& core);
  ~UndoRecorder();
  UndoRecorder(const UndoRecorder&) = delete;
  UndoRecorder& operator=(const UndoRecorder&) = delete;

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
  // Applies a step's snapshots, erasures, header and handle seed; answers
  // the step that reverses it.
  std::unique_ptr<Step> apply(Step& step);
  DatabaseCore& core_;
  std::vector<std::unique_ptr<Step>> steps_;
  std::vector<std::unique_ptr<Step>> redo_;
  bool recording_ = false;
  // The header and the handle seed as the recording step began.
  HeaderVariables headerAtStart_;
  std::uint64_t handseedAtStart_ = 0;
};

}  // namespace zek
