// The prompt loop: answers taken as values or keywords, refused answers
// asked again with the host's messages.
#include "editor/prompts/prompt_reader.h"

#include <cmath>
#include <cstring>

#include "aced_input.h"
#include "aced_output.h"
#include "editor/core/display_state.h"
#include "editor/document.h"
#include "editor/input.h"
#include "editor/prompts/prompt_messages.h"

namespace zek {

using namespace messages;

PromptState& promptState() {
  static PromptState noDocument;
  Document* document = currentDocument();
  return document ? document->state<PromptState>() : noDocument;
}

InputOptions takeInputOptions() {
  PromptState& state = promptState();
  InputOptions options = state.pending.value_or(InputOptions{});
  state.pending.reset();
  return options;
}

AcGePoint3d lastPointUcs() {
  Document* document = currentDocument();
  if (document == nullptr)
    return AcGePoint3d::kOrigin;
  return document->worldToUcs() * document->lastPoint();
}

void setLastPointUcs(const AcGePoint3d& point) {
  if (Document* document = currentDocument())
    document->setLastPoint(document->ucsToWorld() * point);
}

int copyToBuffer(const std::string& text, char* buffer, std::size_t size) {
  if (buffer == nullptr || size == 0)
    return RTERROR;
  if (text.size() < size) {
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return RTNORM;
  }
  std::memcpy(buffer, text.data(), size - 1);
  buffer[size - 1] = '\0';
  return RTINPUTTRUNCATED;
}

static void refuse(const char* message) { acutPrintf("\n%s", message); }

// The message for a number that the flags refuse, or null when it passes.
const char* refusalOf(double value, int flags) {
  const bool noZero = (flags & RSG_NOZERO) != 0;
  const bool noNegative = (flags & RSG_NONEG) != 0;
  if (noZero && noNegative && value <= 0.0)
    return kPositiveNonzero;
  if (noZero && value == 0.0)
    return kNonzero;
  if (noNegative && value < 0.0)
    return kPositive;
  return nullptr;
}

// Shows the rubber band of a waiting prompt for as long as the object lives.
class RubberBandShown {
public:
  RubberBandShown(const PromptRequest& request) {
    document_ = currentDocument();
    if (document_ == nullptr || !request.base)
      return;
    const bool rectangle = request.kind == ValueKind::Corner;
    displayStateOf(*document_).rubberBand =
        RubberBand{document_->ucsToWorld() * *request.base, rectangle,
                   (request.options.flags & RSG_DASH) != 0};
  }
  ~RubberBandShown() {
    if (document_ != nullptr && currentDocument() == document_)
      displayStateOf(*document_).rubberBand.reset();
  }
  RubberBandShown(const RubberBandShown&) = delete;
  RubberBandShown& operator=(const RubberBandShown&) = delete;

private:
  Document* document_ = nullptr;
};

static const char* invalidMessage(const PromptRequest& request) {
  switch (request.kind) {
    case ValueKind::Point:
    case ValueKind::Corner:
      return request.options.keywords.empty() ? kInvalidPoint : kPointOrKeyword;
    case ValueKind::Distance:
      return kNeedsDistance;
    case ValueKind::Angle:
      return kNeedsAngle;
    case ValueKind::Integer:
      return kNeedsInteger;
    case ValueKind::Keyword:
      return kInvalidKeyword;
    case ValueKind::Real:
    case ValueKind::String:
      break;
  }
  return kNeedsNumber;
}

// A point typed as an answer, placed in the UCS (z 0 when not typed).
std::optional<AcGePoint3d> pointOf(std::string_view text) {
  auto typed = parsePointAnswer(text);
  if (!typed)
    return std::nullopt;
  Document* document = currentDocument();
  const AcGeMatrix3d worldToUcs = document ? document->worldToUcs() : AcGeMatrix3d::kIdentity;
  return placeTypedPoint(*typed, lastPointUcs(), worldToUcs);
}

// The second point of a distance or angle given by two points.
static int readSecondPoint(const AcGePoint3d& first, AcGePoint3d& second) {
  PromptRequest request;
  request.kind = ValueKind::Point;
  request.prompt = kSecondPoint;
  request.options.flags = RSG_NONULL;
  request.base = first;
  PromptValue value;
  const int answer = readPrompt(request, value);
  second = value.point;
  return answer;
}

enum class Taken { Value, Refused, Cancelled };

// Takes the answer as the request's kind of value.
static Taken takeValue(const PromptRequest& request, std::string_view text, PromptValue& value,
                       const char*& message) {
  const int flags = request.options.flags;
  switch (request.kind) {
    case ValueKind::Point:
    case ValueKind::Corner: {
      auto point = pointOf(text);
      if (!point)
        return Taken::Refused;
      value.point = *point;
      setLastPointUcs(*point);
      return Taken::Value;
    }
    case ValueKind::Distance:
    case ValueKind::Angle: {
      const bool distance = request.kind == ValueKind::Distance;
      if (auto number = distance ? parseRealAnswer(text) : parseAngleAnswer(text)) {
        value.number = *number;
        break;
      }
      auto point = pointOf(text);
      if (!point)
        return Taken::Refused;
      setLastPointUcs(*point);
      AcGePoint3d from = request.base.value_or(*point);
      AcGePoint3d to = *point;
      if (!request.base && readSecondPoint(from, to) != RTNORM)
        return Taken::Cancelled;
      if (distance) {
        AcGeVector3d span = to - from;
        if ((flags & RSG_2D) != 0)
          span.z = 0.0;
        value.number = span.length();
      } else {
        value.number = std::atan2(to.y - from.y, to.x - from.x);
        if (value.number < 0.0)
          value.number += 2.0 * 3.14159265358979323846;
      }
      break;
    }
    case ValueKind::Real: {
      auto number = parseRealAnswer(text);
      if (!number)
        return Taken::Refused;
      value.number = *number;
      break;
    }
    case ValueKind::Integer: {
      auto number = parseIntegerAnswer(text);
      if (!number) {
        auto real = parseRealAnswer(text);
        if (real && *real == std::floor(*real) && std::fabs(*real) < 1e15)
          message = kIntegerRange;
        return Taken::Refused;
      }
      if (*number < -32768 || *number > 32767) {
        message = kIntegerRange;
        return Taken::Refused;
      }
      value.integer = *number;
      value.number = static_cast<double>(*number);
      break;
    }
    case ValueKind::Keyword:
    case ValueKind::String:
      return Taken::Refused;
  }
  if (const char* refusal = refusalOf(value.number, flags)) {
    message = refusal;
    return Taken::Refused;
  }
  return Taken::Value;
}

int readPrompt(const PromptRequest& request, PromptValue& value) {
  PromptState& state = promptState();
  const int flags = request.options.flags;
  while (true) {
    Answer answer;
    {
      RubberBandShown band(request);
      answer = promptForLine(request.prompt);
    }
    if (answer.kind != Answer::Kind::Text) {
      ++promptState().cancels;
      return RTCAN;
    }
    if (request.kind == ValueKind::String) {
      value.text = answer.text;
      if (!request.cronly) {
        std::string_view first = trimmedAnswer(answer.text);
        value.text = std::string(first.substr(0, first.find_first_of(" \t")));
      }
      return RTNORM;
    }
    std::string_view text = trimmedAnswer(answer.text);
    if (text.empty()) {
      if ((flags & RSG_NONULL) == 0) {
        value.text.clear();
        return RTNONE;
      }
      refuse(invalidMessage(request));
      continue;
    }
    const char* message = nullptr;
    if (request.kind != ValueKind::Keyword) {
      switch (takeValue(request, text, value, message)) {
        case Taken::Value:
          return RTNORM;
        case Taken::Cancelled:
          return RTCAN;
        case Taken::Refused:
          break;
      }
      if (message != nullptr) {
        refuse(message);
        continue;
      }
    }
    if (auto index = request.options.keywords.match(text)) {
      const KeywordList& keywords = request.options.keywords;
      value.text = keywords.globalName(*index);
      state.lastInput = value.text;
      return request.kind == ValueKind::Keyword ? RTNORM : RTKWORD;
    }
    if ((flags & RSG_OTHER) != 0) {
      value.text = std::string(text);
      state.lastInput = value.text;
      return request.kind == ValueKind::Keyword ? RTNORM : RTKWORD;
    }
    refuse(invalidMessage(request));
  }
}

}  // namespace zek
