// AcEdJig: the drag loop fed by "move x,y" samples and ended by an answer
// line, and the acquire calls that read the current sample or answer.
#include "aced_jig.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

#include "aced_input.h"
#include "aced_output.h"
#include "db_block.h"
#include "db_database.h"
#include "editor/core/display_state.h"
#include "editor/document.h"
#include "editor/input.h"
#include "editor/prompts/answer_parsing.h"
#include "editor/prompts/prompt_messages.h"
#include "editor/prompts/prompt_reader.h"

namespace zek {

// What the drag hands its sampler: a cursor sample, or the final answer.
class JigSession {
public:
  enum class Mode { Sample, Answer };
  Mode mode = Mode::Sample;
  AcGePoint3d sampleUcs;           // Sample
  std::string answer;              // Answer (blanks trimmed)
  const char* refusal = nullptr;   // set when the answer does not fit the acquire
  bool acquired = false;           // the sampler called an acquire function
  AcEdJig::DragStatus status = AcEdJig::kNormal;  // what that acquire answered
  KeywordList keywords;
};

}  // namespace zek

using zek::JigSession;
namespace messages = zek::messages;

namespace {

char* copied(const char* text) {
  if (text == nullptr)
    return nullptr;
  const std::size_t size = std::strlen(text) + 1;
  char* copy = new char[size];
  std::memcpy(copy, text, size);
  return copy;
}

bool isMoveLine(std::string_view text, std::string_view& point) {
  if (text.size() < 5 || !zek::equalsNoCase(text.substr(0, 4), "move") ||
      (text[4] != ' ' && text[4] != '\t'))
    return false;
  point = zek::trimmedAnswer(text.substr(5));
  return true;
}

AcGePoint3d toWorld(const AcGePoint3d& ucs) {
  zek::Document* document = zek::currentDocument();
  return document ? document->ucsToWorld() * ucs : ucs;
}

AcGePoint3d toUcs(const AcGePoint3d& world) {
  zek::Document* document = zek::currentDocument();
  return document ? document->worldToUcs() * world : world;
}

void showRubberBand(const AcGePoint3d& baseWorld) {
  if (zek::Document* document = zek::currentDocument())
    zek::displayStateOf(*document).rubberBand = zek::RubberBand{baseWorld, false, false};
}

}  // namespace

AcEdJig::AcEdJig() = default;

AcEdJig::~AcEdJig() {
  delete[] prompt_;
  delete[] keywords_;
}

AcEdJig::DragStatus AcEdJig::sampler() { return kCancel; }
Adesk::Boolean AcEdJig::update() { return Adesk::kFalse; }
AcDbEntity* AcEdJig::entity() const { return nullptr; }

const char* AcEdJig::keywordList() { return keywords_ ? keywords_ : ""; }
void AcEdJig::setKeywordList(const char* keywords) {
  delete[] keywords_;
  keywords_ = copied(keywords);
}

const char* AcEdJig::dispPrompt() { return prompt_ ? prompt_ : ""; }
void AcEdJig::setDispPrompt(const char* prompt, ...) {
  delete[] prompt_;
  prompt_ = nullptr;
  if (prompt == nullptr)
    return;
  va_list args;
  va_start(args, prompt);
  va_list measure;
  va_copy(measure, args);
  const int length = std::vsnprintf(nullptr, 0, prompt, measure);
  va_end(measure);
  if (length >= 0) {
    prompt_ = new char[static_cast<std::size_t>(length) + 1];
    std::vsnprintf(prompt_, static_cast<std::size_t>(length) + 1, prompt, args);
  }
  va_end(args);
}

AcEdJig::CursorType AcEdJig::specialCursorType() { return cursor_; }
void AcEdJig::setSpecialCursorType(CursorType type) {
  cursor_ = type;
  if (session_ != nullptr) {
    if (zek::Document* document = zek::currentDocument())
      zek::displayStateOf(*document).cursor = type;
  }
}
AcEdJig::UserInputControls AcEdJig::userInputControls() { return controls_; }
void AcEdJig::setUserInputControls(UserInputControls controls) { controls_ = controls; }

AcDbObjectId AcEdJig::append() {
  AcDbEntity* drawn = entity();
  AcDbDatabase* db = acdbCurDwg();
  if (drawn == nullptr || db == nullptr)
    return AcDbObjectId::kNull;
  AcDbBlockTableRecord* space = nullptr;
  if (acdbOpenObject(space, db->modelSpaceId(), AcDb::kForWrite) != Acad::eOk)
    return AcDbObjectId::kNull;
  AcDbObjectId id;
  const Acad::ErrorStatus es = space->appendAcDbEntity(id, drawn);
  (void)space->close();
  if (es != Acad::eOk)
    return AcDbObjectId::kNull;
  (void)drawn->close();
  return id;
}

AcEdJig::DragStatus AcEdJig::drag() {
  zek::Document* document = zek::currentDocument();
  if (document == nullptr)
    return kCancel;
  JigSession session;
  session.keywords = zek::KeywordList(keywordList());
  session_ = &session;
  zek::DisplayState& display = zek::displayStateOf(*document);
  display.cursor = cursor_;
  display.dragEntity = entity();
  display.dragSamples = 0;
  const std::string prompt = dispPrompt();

  DragStatus result = kCancel;
  while (true) {
    zek::ReadLine line = zek::readAnswerLine(prompt);
    if (line.answer.kind != zek::Answer::Kind::Text) {
      zek::showAnswer(prompt, line);
      ++zek::promptState().cancels;
      break;
    }
    std::string_view text = zek::trimmedAnswer(line.answer.text);
    std::string_view sampleText;
    if (isMoveLine(text, sampleText)) {
      auto sample = zek::pointOf(sampleText);
      if (!sample)
        continue;  // a cursor sample off the grammar moves nothing
      session.mode = JigSession::Mode::Sample;
      session.sampleUcs = *sample;
      if (sampler() == kNormal && update()) {
        display.dragEntity = entity();
        ++display.dragSamples;
      }
      continue;
    }
    zek::showAnswer(prompt, line);
    session.mode = JigSession::Mode::Answer;
    session.answer = std::string(text);
    session.refusal = nullptr;
    session.acquired = false;
    const DragStatus sampled = sampler();
    if (session.refusal != nullptr) {
      acutPrintf("\n%s", session.refusal);
      continue;
    }
    if (sampled == kNormal && update())
      display.dragEntity = entity();
    result = session.acquired ? session.status : sampled;
    break;
  }
  display.dragEntity = nullptr;
  display.cursor = zek::kDefaultCursor;
  display.rubberBand.reset();
  session_ = nullptr;
  return result;
}

// ---- Acquiring --------------------------------------------------------------

namespace {

// The answer as Enter, a keyword or other text; kNoChange when it is none of
// these (the caller then reads it as its value).
AcEdJig::DragStatus commonAnswer(JigSession& session, int controls, const char* refusal) {
  if (session.answer.empty()) {
    if ((controls & AcEdJig::kNullResponseAccepted) != 0)
      return AcEdJig::kNull;
    session.refusal = refusal;
    return AcEdJig::kNoChange;
  }
  if (auto index = session.keywords.match(session.answer)) {
    if (*index < 9)
      return static_cast<AcEdJig::DragStatus>(AcEdJig::kKW1 + static_cast<int>(*index));
  }
  return AcEdJig::kModeless;  // not common: read the value
}

AcEdJig::DragStatus otherOrRefused(JigSession& session, int controls, const char* refusal) {
  if ((controls & AcEdJig::kAcceptOtherInputString) != 0)
    return AcEdJig::kOther;
  session.refusal = refusal;
  return AcEdJig::kNoChange;
}

AcEdJig::DragStatus finish(JigSession& session, AcEdJig::DragStatus status) {
  session.acquired = true;
  session.status = status;
  return status;
}

}  // namespace

AcEdJig::DragStatus AcEdJig::acquirePoint(AcGePoint3d& point) {
  if (session_ == nullptr)
    return kCancel;
  JigSession& session = *session_;
  const bool threeD = (controls_ & kAccept3dCoordinates) != 0;
  if (session.mode == JigSession::Mode::Sample) {
    AcGePoint3d ucs = session.sampleUcs;
    if (!threeD)
      ucs.z = 0.0;
    point = toWorld(ucs);
    return finish(session, kNormal);
  }
  const char* refusal = session.keywords.empty() ? messages::kInvalidPoint
                                                 : messages::kPointOrKeyword;
  DragStatus common = commonAnswer(session, controls_, refusal);
  if (common != kModeless)
    return finish(session, common);
  auto ucs = zek::pointOf(session.answer);
  if (!ucs)
    return finish(session, otherOrRefused(session, controls_, refusal));
  if (!threeD)
    ucs->z = 0.0;
  point = toWorld(*ucs);
  if ((controls_ & kDontUpdateLastPoint) == 0)
    zek::setLastPointUcs(*ucs);
  return finish(session, kNormal);
}

AcEdJig::DragStatus AcEdJig::acquirePoint(AcGePoint3d& point, const AcGePoint3d& basePnt) {
  showRubberBand(basePnt);
  return acquirePoint(point);
}

// A distance or an angle: typed as a number, or measured to a point.
static AcEdJig::DragStatus acquireMeasure(JigSession* session, int controls, bool isAngle,
                                          const AcGePoint3d& baseWorld, double& value) {
  if (session == nullptr)
    return AcEdJig::kCancel;
  auto measure = [&](const AcGePoint3d& ucsPoint) {
    const AcGePoint3d base = toUcs(baseWorld);
    if (!isAngle)
      return (ucsPoint - base).length();
    double angle = std::atan2(ucsPoint.y - base.y, ucsPoint.x - base.x);
    return angle < 0.0 ? angle + 2.0 * 3.14159265358979323846 : angle;
  };
  if (session->mode == JigSession::Mode::Sample) {
    value = measure(session->sampleUcs);
    return finish(*session, AcEdJig::kNormal);
  }
  const char* refusal = isAngle ? messages::kNeedsAngle : messages::kNeedsDistance;
  AcEdJig::DragStatus common = commonAnswer(*session, controls, refusal);
  if (common != AcEdJig::kModeless)
    return finish(*session, common);
  double measured = 0.0;
  if (auto number = isAngle ? zek::parseAngleAnswer(session->answer)
                            : zek::parseRealAnswer(session->answer)) {
    measured = *number;
  } else if (auto point = zek::pointOf(session->answer)) {
    measured = measure(*point);
  } else {
    return finish(*session, otherOrRefused(*session, controls, refusal));
  }
  int flags = 0;
  if ((controls & AcEdJig::kNoZeroResponseAccepted) != 0)
    flags |= RSG_NOZERO;
  if ((controls & AcEdJig::kNoNegativeResponseAccepted) != 0)
    flags |= RSG_NONEG;
  if (const char* numberRefusal = zek::refusalOf(measured, flags)) {
    session->refusal = numberRefusal;
    return finish(*session, AcEdJig::kNoChange);
  }
  value = measured;
  return finish(*session, AcEdJig::kNormal);
}

static AcGePoint3d lastPointWorld() {
  zek::Document* document = zek::currentDocument();
  return document ? document->lastPoint() : AcGePoint3d::kOrigin;
}

AcEdJig::DragStatus AcEdJig::acquireDist(double& distance) {
  return acquireMeasure(session_, controls_, false, lastPointWorld(), distance);
}

AcEdJig::DragStatus AcEdJig::acquireDist(double& distance, const AcGePoint3d& basePnt) {
  if (session_ != nullptr)
    showRubberBand(basePnt);
  return acquireMeasure(session_, controls_, false, basePnt, distance);
}

AcEdJig::DragStatus AcEdJig::acquireAngle(double& angle) {
  return acquireMeasure(session_, controls_, true, lastPointWorld(), angle);
}

AcEdJig::DragStatus AcEdJig::acquireAngle(double& angle, const AcGePoint3d& basePnt) {
  if (session_ != nullptr)
    showRubberBand(basePnt);
  return acquireMeasure(session_, controls_, true, basePnt, angle);
}

AcEdJig::DragStatus AcEdJig::acquireString(char* text) {
  if (session_ == nullptr || text == nullptr)
    return kCancel;
  if (session_->mode == JigSession::Mode::Sample)
    return finish(*session_, kNoChange);
  text[0] = '\0';
  (void)zek::copyToBuffer(session_->answer, text, 133);
  return finish(*session_, session_->answer.empty() ? kNull : kOther);
}
