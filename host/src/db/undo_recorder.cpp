// Undo steps: snapshots of objects as they were before their first write
// open in the step, and the objects the step added.
#include "db/undo_recorder.h"

#include <algorithm>

#include "db/database_core.h"
#include "db/memory_filer.h"
#include "db_object.h"

namespace zek {

struct UndoRecorder::Snapshot {
  ObjectStub* stub = nullptr;
  bool wasErased = false;
  std::unique_ptr<MemoryDwgFiler> state;
};

struct UndoRecorder::Step {
  std::vector<Snapshot> snapshots;
  std::unordered_set<ObjectStub*> seen;
  std::vector<ObjectStub*> added;
};

UndoRecorder::UndoRecorder() = default;
UndoRecorder::~UndoRecorder() = default;

void UndoRecorder::beginStep() {
  endStep();
  steps_.push_back(std::make_unique<Step>());
  recording_ = true;
}

void UndoRecorder::endStep() {
  if (!recording_)
    return;
  recording_ = false;
  Step& last = *steps_.back();
  if (last.snapshots.empty() && last.added.empty())
    steps_.pop_back();  // a step that changed nothing is not a step to undo
}

std::size_t UndoRecorder::stepCount() const { return steps_.size(); }

void UndoRecorder::noteWriteOpen(AcDbObject* object) {
  if (!recording_ || object == nullptr || object->stub() == nullptr)
    return;
  Step& step = *steps_.back();
  ObjectStub* stub = object->stub();
  if (!step.seen.insert(stub).second)
    return;  // only the state before the step's first change counts
  Snapshot snapshot;
  snapshot.stub = stub;
  snapshot.wasErased = stub->erased;
  snapshot.state = std::make_unique<MemoryDwgFiler>(AcDb::kUndoFiler, stub->database);
  // The object is not open for write yet: let it file itself as a reader.
  object->markOpened(AcDb::kForRead);
  Acad::ErrorStatus es = object->dwgOutFields(snapshot.state.get());
  object->markClosed();
  if (es == Acad::eOk)
    step.snapshots.push_back(std::move(snapshot));
}

void UndoRecorder::noteAdded(AcDbObjectId id) {
  if (!recording_ || id.stub() == nullptr)
    return;
  Step& step = *steps_.back();
  step.seen.insert(id.stub());  // a new object needs no snapshot: undo erases it
  step.added.push_back(id.stub());
}

bool UndoRecorder::undoLastStep() {
  endStep();
  if (steps_.empty())
    return false;
  std::unique_ptr<Step> step = std::move(steps_.back());
  steps_.pop_back();
  for (auto it = step->snapshots.rbegin(); it != step->snapshots.rend(); ++it) {
    AcDbObject* object = it->stub->object;
    if (object == nullptr)
      continue;
    it->state->rewind();
    object->markOpened(AcDb::kForWrite);
    object->dwgInFields(it->state.get());
    object->markClosed();
    it->stub->erased = it->wasErased;
  }
  for (ObjectStub* stub : step->added)
    stub->erased = true;
  return true;
}

}  // namespace zek
