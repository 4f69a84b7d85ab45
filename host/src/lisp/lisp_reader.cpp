// The AutoLISP call reader: the forms of the line become the function's
// name and its arguments as resbufs.
#include "lisp/lisp_reader.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <vector>

#include "lisp/lisp_forms.h"

namespace zek {
namespace {

Failure fault(std::string message) { return Failure{"", 0, std::move(message), false}; }

struct Number {
  bool isInteger = false;
  long long integer = 0;
  double real = 0.0;
};

// Turns the argument forms into resbufs; on a fault error() says why.
class ArgumentWriter {
public:
  explicit ArgumentWriter(std::string_view line) : line_(line) {}
  const std::string& error() const { return error_; }

  // An argument as AutoLISP evaluates it: a literal or a quoted form.
  bool argument(const LispForm& form, ResbufListBuilder& out) {
    if (form.kind == LispForm::Kind::Quote)
      return datum(form.items.front(), out);
    if (form.kind == LispForm::Kind::List && form.items.size() == 2 && !form.dotted &&
        form.items[0].kind == LispForm::Kind::Atom && lispUpperCase(form.items[0].value) == "QUOTE")
      return datum(form.items[1], out);
    if (form.kind == LispForm::Kind::List)
      return refuse(form);
    return datum(form, out);
  }

private:
  // A form taken as it stands (under a quote, or a literal).
  bool datum(const LispForm& form, ResbufListBuilder& out) {
    switch (form.kind) {
      case LispForm::Kind::Text: {
        resbuf* rb = acutNewRb(RTSTR);
        rb->resval.rstring = acutNewString(form.value.c_str());
        out.append(rb);
        return true;
      }
      case LispForm::Kind::Atom: return atom(form, out);
      case LispForm::Kind::Quote: return refuse(form);
      case LispForm::Kind::List: return list(form, out);
    }
    return refuse(form);
  }

  bool atom(const LispForm& form, ResbufListBuilder& out) {
    if (isLispNil(form)) {
      out.append(acutNewRb(RTNIL));
      return true;
    }
    if (isLispT(form)) {
      out.append(acutNewRb(RTT));
      return true;
    }
    Number number;
    if (!numberOf(form, number))
      return false;
    out.append(numberResbuf(number));
    return true;
  }

  bool list(const LispForm& form, ResbufListBuilder& out) {
    std::vector<const LispForm*> items;
    bool dotted = false;
    flatten(form, items, dotted);
    if (items.empty()) {
      out.append(acutNewRb(RTNIL));
      return true;
    }
    if (!dotted && (items.size() == 2 || items.size() == 3) && allNumbers(items)) {
      resbuf* point = acutNewRb(items.size() == 2 ? RTPOINT : RT3DPOINT);
      for (std::size_t i = 0; i < items.size(); ++i) {
        Number number;
        if (!numberOf(*items[i], number)) {
          acutRelRb(point);
          return false;
        }
        point->resval.rpoint[i] =
            number.isInteger ? static_cast<double>(number.integer) : number.real;
      }
      out.append(point);
      return true;
    }
    out.append(acutNewRb(RTLB));
    for (const LispForm* item : items)
      if (!datum(*item, out))
        return false;
    out.append(acutNewRb(dotted ? RTDOTE : RTLE));
    return true;
  }

  // The items of a list with its dotted tail taken in as Lisp reads it:
  // (1 . (2 3)) is (1 2 3), (1 . nil) is (1).
  static void flatten(const LispForm& form, std::vector<const LispForm*>& items, bool& dotted) {
    const LispForm* current = &form;
    while (true) {
      for (const LispForm& item : current->items)
        items.push_back(&item);
      dotted = current->dotted;
      if (!dotted)
        return;
      const LispForm* tail = items.back();
      if (isLispNil(*tail)) {
        items.pop_back();
        dotted = false;
        return;
      }
      if (tail->kind != LispForm::Kind::List)
        return;
      items.pop_back();
      current = tail;
    }
  }

  bool allNumbers(const std::vector<const LispForm*>& items) const {
    for (const LispForm* item : items) {
      bool isInteger = false;
      if (item->kind != LispForm::Kind::Atom || !spellsLispNumber(item->value, isInteger))
        return false;
    }
    return true;
  }

  bool numberOf(const LispForm& form, Number& number) {
    bool isInteger = false;
    if (!spellsLispNumber(form.value, isInteger))
      return refuse(form);
    std::string_view text = form.value;
    if (!text.empty() && text.front() == '+')
      text.remove_prefix(1);
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (isInteger) {
      auto [end, code] = std::from_chars(first, last, number.integer);
      if (code == std::errc() && end == last) {
        number.isInteger = true;
        return true;
      }
    }
    auto [end, code] = std::from_chars(first, last, number.real);
    if (code != std::errc() || end != last) {
      error_ = "; error: number out of range on input: " + typedText(line_, form);
      return false;
    }
    number.isInteger = false;
    return true;
  }

  static resbuf* numberResbuf(const Number& number) {
    constexpr long long kShortMin = std::numeric_limits<short>::min();
    constexpr long long kShortMax = std::numeric_limits<short>::max();
    constexpr long long kLongMin = std::numeric_limits<std::int32_t>::min();
    constexpr long long kLongMax = std::numeric_limits<std::int32_t>::max();
    resbuf* rb = nullptr;
    if (number.isInteger && number.integer >= kShortMin && number.integer <= kShortMax) {
      rb = acutNewRb(RTSHORT);
      rb->resval.rint = static_cast<short>(number.integer);
    } else if (number.isInteger && number.integer >= kLongMin && number.integer <= kLongMax) {
      rb = acutNewRb(RTLONG);
      rb->resval.rlong = static_cast<std::int32_t>(number.integer);
    } else {
      rb = acutNewRb(RTREAL);  // AutoLISP reads an integer past 32 bits as a real
      rb->resval.rreal = number.isInteger ? static_cast<double>(number.integer) : number.real;
    }
    return rb;
  }

  bool refuse(const LispForm& form) {
    error_ = "; error: only numbers, texts, nil, T and quoted lists are read here: " +
             typedText(line_, form);
    return false;
  }

  std::string_view line_;
  std::string error_;
};
}  // namespace

Result<LispCall> readLispCall(std::string_view line) {
  if (line.size() > kMaxLispLineLength)
    return fault("; error: input line longer than " + std::to_string(kMaxLispLineLength) +
                 " characters");
  auto read = readLispForms(line);
  if (!read)
    return read.failure();
  const std::vector<LispForm>& forms = read.value();
  if (forms.empty() || forms.front().kind != LispForm::Kind::List)
    return fault("; error: a call starts with \"(\"");
  if (forms.size() > 1) {
    LispForm rest;
    rest.begin = forms[1].begin;
    rest.end = forms.back().end;
    return fault("; error: one call per line; extra input: " + typedText(line, rest));
  }
  const LispForm& call = forms.front();
  LispCall result;
  if (call.items.empty())
    return result;
  const LispForm& head = call.items.front();
  bool isInteger = false;
  if (head.kind != LispForm::Kind::Atom || spellsLispNumber(head.value, isInteger) ||
      isLispNil(head) || isLispT(head))
    return fault("; error: bad function: " + typedText(line, head));
  if (call.dotted)
    return fault("; error: bad argument list: " + typedText(line, call));
  result.name = lispUpperCase(head.value);
  ArgumentWriter writer(line);
  ResbufListBuilder args;
  for (std::size_t i = 1; i < call.items.size(); ++i)
    if (!writer.argument(call.items[i], args))
      return fault(writer.error());
  result.args = args.take();
  return result;
}

}  // namespace zek
