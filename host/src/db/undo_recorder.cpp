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
  std::vector<ObjectStub*> added;    // erased when the step is applied
  std::vector<ObjectStub*> revived;  // brought back when the step is applied
  std::optional<HeaderVariables> header;  // put back when the step is applied
  std::uint64_t handseed = 0;             // the seed the step's application leaves
};

// The object's state filed into a new snapshot (the object is not open).
static std::unique_ptr<MemoryDwgFiler> fileState(AcDbObject& object, ObjectStub& stub,
                                                 Acad::ErrorStatus& es) {
  auto state = std::make_unique<MemoryDwgFiler>(AcDb::kUndoFiler, stub.database);
  object.markOpened(AcDb::kForRead);
  es = object.dwgOutFields(state.get());
  object.markClosed();
  return state;
}

UndoRecorder::UndoRecorder(DatabaseCore& core) : core_(core) {}
UndoRecorder::~UndoRecorder() = default;

void UndoRecorder::beginStep() {
  endStep();
  steps_.push_back(std::make_unique<Step>());
  recording_ = true;
  headerAtStart_ = core_.header;
  handseedAtStart_ = core_.nextHandle();
}

void UndoRecorder::endStep() {
  if (!recording_)
    return;
  recording_ = false;
  Step& last = *steps_.back();
  if (!(core_.header == headerAtStart_))
    last.header = std::move(headerAtStart_);
  headerAtStart_.clear();
  last.handseed = handseedAtStart_;
  if (last.snapshots.empty() && last.added.empty() && !last.header)
    steps_.pop_back();  // a step that changed nothing is not a step to undo
  else
    redo_.clear();  // a new change: what was undone before cannot be redone
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
  // The object is not open for write yet: it files itself as a reader.
  Acad::ErrorStatus es = Acad::eOk;
  snapshot.state = fileState(*object, *stub, es);
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

std::unique_ptr<UndoRecorder::Step> UndoRecorder::apply(Step& step) {
  auto inverse = std::make_unique<Step>();
  for (auto it = step.snapshots.rbegin(); it != step.snapshots.rend(); ++it) {
    AcDbObject* object = it->stub->object;
    if (object == nullptr)
      continue;
    Snapshot now;
    now.stub = it->stub;
    now.wasErased = it->stub->erased;
    Acad::ErrorStatus es = Acad::eOk;
    now.state = fileState(*object, *it->stub, es);
    if (es == Acad::eOk)
      inverse->snapshots.push_back(std::move(now));
    it->state->rewind();
    object->markOpened(AcDb::kForWrite);
    (void)object->dwgInFields(it->state.get());  // filed by the same class just before
    object->markClosed();
    it->stub->erased = it->wasErased;
  }
  // Snapshots were taken last to first: put them back in the order of the step.
  std::reverse(inverse->snapshots.begin(), inverse->snapshots.end());
  // Objects the step added are erased and give back their handles (those
  // above the seed the step started from), so the next object takes the
  // handle the undone one had, as the drawing before the step would give it.
  inverse->handseed = core_.nextHandle();
  for (ObjectStub* stub : step.added) {
    if (!stub->erased)  // one the step erased again itself stays erased on redo
      inverse->revived.push_back(stub);
    stub->erased = true;
    if (stub->handle >= step.handseed)
      core_.releaseHandle(stub);
  }
  for (ObjectStub* stub : step.revived) {
    stub->erased = false;
    core_.reclaimHandle(stub);
    inverse->added.push_back(stub);
  }
  core_.setHandseed(step.handseed);
  if (step.header) {
    inverse->header = core_.header;
    core_.header = std::move(*step.header);
  }
  return inverse;
}

bool UndoRecorder::undoLastStep() {
  endStep();
  if (steps_.empty())
    return false;
  std::unique_ptr<Step> step = std::move(steps_.back());
  steps_.pop_back();
  redo_.push_back(apply(*step));
  return true;
}

bool UndoRecorder::redoLastUndo() {
  endStep();
  if (redo_.empty())
    return false;
  std::unique_ptr<Step> step = std::move(redo_.back());
  redo_.pop_back();
  steps_.push_back(apply(*step));
  return true;
}

}  // namespace zek
