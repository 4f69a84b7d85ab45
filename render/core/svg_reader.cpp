// Reading the SVG cairo writes: elements, their style properties or
// attributes, group transforms and path data (M, L, C, Z, absolute).
#include "core/svg_reader.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <map>

namespace zek::render::test {

namespace {

// An affine transform a b c d e f as SVG writes matrix(...).
struct Affine {
  double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;
  SvgPoint apply(double x, double y) const { return {a * x + c * y + e, b * x + d * y + f}; }
  Affine then(const Affine& inner) const {  // this ∘ inner
    return {a * inner.a + c * inner.b, b * inner.a + d * inner.b,
            a * inner.c + c * inner.d, b * inner.c + d * inner.d,
            a * inner.e + c * inner.f + e, b * inner.e + d * inner.f + f};
  }
};

struct Element {
  std::string name;  // "/g" for a closing tag
  std::map<std::string, std::string> attributes;
  bool selfClosing = false;
};

// The element starting at text[at] == '<'; `at` moves past it.
bool nextElement(const std::string& text, std::size_t& at, Element& element) {
  element = Element{};
  while (true) {
    at = text.find('<', at);
    if (at == std::string::npos)
      return false;
    if (text.compare(at, 4, "<!--") == 0) {
      at = text.find("-->", at);
      if (at == std::string::npos)
        return false;
      continue;
    }
    if (text.compare(at, 2, "<?") == 0 || text.compare(at, 2, "<!") == 0) {
      at = text.find('>', at);
      if (at == std::string::npos)
        return false;
      continue;
    }
    break;
  }
  std::size_t i = at + 1;
  while (i < text.size() && !std::isspace(static_cast<unsigned char>(text[i])) && text[i] != '>' &&
         !(text[i] == '/' && i > at + 1))
    element.name += text[i++];
  while (i < text.size() && text[i] != '>') {
    if (text[i] == '/') {
      element.selfClosing = true;
      ++i;
      continue;
    }
    if (std::isspace(static_cast<unsigned char>(text[i]))) {
      ++i;
      continue;
    }
    std::string key;
    while (i < text.size() && text[i] != '=' && text[i] != '>' &&
           !std::isspace(static_cast<unsigned char>(text[i])))
      key += text[i++];
    if (i < text.size() && text[i] == '=') {
      ++i;
      const char quote = text[i];
      const std::size_t end = text.find(quote, i + 1);
      if (end == std::string::npos)
        return false;
      element.attributes[key] = text.substr(i + 1, end - i - 1);
      i = end + 1;
    }
  }
  at = i + 1;
  return true;
}

// The properties of a style attribute together with the plain attributes.
std::map<std::string, std::string> propertiesOf(const Element& element) {
  std::map<std::string, std::string> properties = element.attributes;
  auto style = element.attributes.find("style");
  if (style == element.attributes.end())
    return properties;
  const std::string& s = style->second;
  std::size_t start = 0;
  while (start < s.size()) {
    std::size_t end = s.find(';', start);
    if (end == std::string::npos)
      end = s.size();
    const std::string item = s.substr(start, end - start);
    const std::size_t colon = item.find(':');
    if (colon != std::string::npos) {
      auto trim = [](std::string t) {
        t.erase(0, t.find_first_not_of(' '));
        t.erase(t.find_last_not_of(' ') + 1);
        return t;
      };
      properties[trim(item.substr(0, colon))] = trim(item.substr(colon + 1));
    }
    start = end + 1;
  }
  return properties;
}

// "rgb(100%,0%,50.2%)", "rgb(255, 0, 128)" or "#ff0080"; nothing for "none".
std::optional<Rgb> colourOf(const std::string& value) {
  if (value.empty() || value == "none")
    return std::nullopt;
  if (value[0] == '#' && value.size() == 7) {
    const long v = std::strtol(value.c_str() + 1, nullptr, 16);
    return Rgb{std::uint8_t(v >> 16), std::uint8_t(v >> 8), std::uint8_t(v)};
  }
  if (value.compare(0, 4, "rgb(") != 0)
    return std::nullopt;
  double parts[3] = {0, 0, 0};
  const char* p = value.c_str() + 4;
  for (double& part : parts) {
    char* end = nullptr;
    part = std::strtod(p, &end);
    p = end;
    while (*p == ' ')
      ++p;
    if (*p == '%') {
      part = part * 255.0 / 100.0;
      ++p;
    }
    while (*p == ',' || *p == ' ')
      ++p;
  }
  auto channel = [](double v) { return std::uint8_t(std::clamp(std::lround(v), 0L, 255L)); };
  return Rgb{channel(parts[0]), channel(parts[1]), channel(parts[2])};
}

std::vector<double> numbersOf(const std::string& text) {
  std::vector<double> numbers;
  const char* p = text.c_str();
  while (*p != '\0') {
    if (std::isdigit(static_cast<unsigned char>(*p)) || *p == '-' || *p == '+' || *p == '.') {
      char* end = nullptr;
      numbers.push_back(std::strtod(p, &end));
      p = end;
    } else {
      ++p;
    }
  }
  return numbers;
}

Affine transformOf(const Element& element) {
  auto found = element.attributes.find("transform");
  if (found == element.attributes.end())
    return Affine{};
  const std::string& t = found->second;
  const std::vector<double> n = numbersOf(t.substr(t.find('(') + 1));
  if (t.compare(0, 6, "matrix") == 0 && n.size() == 6)
    return Affine{n[0], n[1], n[2], n[3], n[4], n[5]};
  if (t.compare(0, 9, "translate") == 0 && !n.empty())
    return Affine{1, 0, 0, 1, n[0], n.size() > 1 ? n[1] : 0.0};
  if (t.compare(0, 5, "scale") == 0 && !n.empty())
    return Affine{n[0], 0, 0, n.size() > 1 ? n[1] : n[0], 0, 0};
  return Affine{};
}

// Path data: absolute M, L, C and Z, as cairo writes it.
std::vector<std::vector<SvgPoint>> subpathsOf(const std::string& data, const Affine& to,
                                              std::string* error) {
  std::vector<std::vector<SvgPoint>> subpaths;
  std::size_t i = 0;
  char command = 0;
  SvgPoint start;
  auto number = [&](double& value) {
    while (i < data.size() && (data[i] == ' ' || data[i] == ','))
      ++i;
    char* end = nullptr;
    value = std::strtod(data.c_str() + i, &end);
    if (end == data.c_str() + i)
      return false;
    i = static_cast<std::size_t>(end - data.c_str());
    return true;
  };
  while (i < data.size()) {
    const char ch = data[i];
    if (ch == ' ' || ch == ',') {
      ++i;
      continue;
    }
    if (std::isalpha(static_cast<unsigned char>(ch))) {
      command = ch;
      ++i;
      if (command == 'Z' || command == 'z') {
        if (!subpaths.empty())
          subpaths.back().push_back(start);
      }
      continue;
    }
    const int pairs = command == 'C' ? 3 : 1;
    for (int k = 0; k < pairs; ++k) {
      double x = 0, y = 0;
      if (!number(x) || !number(y)) {
        if (error != nullptr)
          *error = "bad path data near \"" + data.substr(i, 20) + "\"";
        return subpaths;
      }
      const SvgPoint p = to.apply(x, y);
      if (command == 'M') {
        subpaths.push_back({p});
        start = p;
        command = 'L';  // further pairs are lines
      } else if (command == 'L' || command == 'C') {
        if (subpaths.empty())
          subpaths.push_back({});
        subpaths.back().push_back(p);
      } else {
        if (error != nullptr)
          *error = std::string("path command ") + command + " is not read";
        return subpaths;
      }
    }
  }
  // A lone move (cairo ends closed paths with one) draws nothing.
  subpaths.erase(std::remove_if(subpaths.begin(), subpaths.end(),
                                [](const std::vector<SvgPoint>& s) { return s.size() < 2; }),
                 subpaths.end());
  return subpaths;
}

struct GroupState {
  Affine transform;
  std::optional<Rgb> fill;
};

}  // namespace

void SvgBounds::add(const SvgPoint& p) {
  if (!valid) {
    minX = maxX = p.x;
    minY = maxY = p.y;
    valid = true;
    return;
  }
  minX = std::min(minX, p.x);
  maxX = std::max(maxX, p.x);
  minY = std::min(minY, p.y);
  maxY = std::max(maxY, p.y);
}

void SvgBounds::add(const SvgBounds& b) {
  if (!b.valid)
    return;
  add(SvgPoint{b.minX, b.minY});
  add(SvgPoint{b.maxX, b.maxY});
}

SvgBounds SvgPath::bounds() const {
  SvgBounds b;
  for (const auto& subpath : subpaths)
    for (const SvgPoint& p : subpath)
      b.add(p);
  return b;
}

std::size_t SvgPath::pointCount() const {
  std::size_t n = 0;
  for (const auto& subpath : subpaths)
    n += subpath.size();
  return n;
}

std::vector<const SvgPath*> SvgPicture::strokes() const {
  std::vector<const SvgPath*> found;
  for (const SvgPath& path : paths)
    if (path.stroke)
      found.push_back(&path);
  return found;
}

std::vector<const SvgPath*> SvgPicture::fills() const {
  std::vector<const SvgPath*> found;
  for (const SvgPath& path : paths)
    if (path.fill)
      found.push_back(&path);
  return found;
}

std::vector<const SvgPath*> SvgPicture::strokedIn(const Rgb& colour) const {
  std::vector<const SvgPath*> found;
  for (const SvgPath& path : paths)
    if (path.stroke && *path.stroke == colour)
      found.push_back(&path);
  return found;
}

std::vector<const SvgPath*> SvgPicture::filledIn(const Rgb& colour) const {
  std::vector<const SvgPath*> found;
  for (const SvgPath& path : paths)
    if (path.fill && *path.fill == colour)
      found.push_back(&path);
  return found;
}

SvgPicture readSvg(const std::string& text, std::string* error) {
  SvgPicture picture;
  std::size_t at = 0;
  Element element;
  std::vector<GroupState> groups{GroupState{}};
  int defsDepth = 0;  // inside <defs>: glyph outlines, not drawn
  while (nextElement(text, at, element)) {
    const std::string& name = element.name;
    if (name == "svg") {
      const std::vector<double> box = numbersOf(element.attributes["viewBox"]);
      if (box.size() == 4) {
        picture.width = box[2];
        picture.height = box[3];
      }
    } else if (name == "defs") {
      ++defsDepth;
    } else if (name == "/defs") {
      --defsDepth;
    } else if (name == "g" && !element.selfClosing) {
      GroupState state = groups.back();
      state.transform = state.transform.then(transformOf(element));
      const auto properties = propertiesOf(element);
      if (auto fill = properties.find("fill"); fill != properties.end())
        state.fill = colourOf(fill->second);
      groups.push_back(state);
    } else if (name == "/g") {
      if (groups.size() > 1)
        groups.pop_back();
    } else if (defsDepth > 0) {
      continue;
    } else if (name == "rect") {
      const auto properties = propertiesOf(element);
      if (auto fill = properties.find("fill"); fill != properties.end())
        picture.background = colourOf(fill->second);
    } else if (name == "use") {
      ++picture.glyphUses;
      if (groups.back().fill)
        picture.glyphFills.push_back(*groups.back().fill);
      const std::vector<double> x = numbersOf(element.attributes["x"]);
      const std::vector<double> y = numbersOf(element.attributes["y"]);
      const Affine to = groups.back().transform.then(transformOf(element));
      picture.glyphOrigins.add(to.apply(x.empty() ? 0.0 : x[0], y.empty() ? 0.0 : y[0]));
    } else if (name == "path") {
      const auto properties = propertiesOf(element);
      SvgPath path;
      auto get = [&](const char* key) -> std::string {
        auto found = properties.find(key);
        return found == properties.end() ? std::string() : found->second;
      };
      path.stroke = colourOf(get("stroke"));
      const std::string fill = get("fill");
      path.fill = fill.empty() ? groups.back().fill : colourOf(fill);
      if (path.stroke && fill.empty())
        path.fill.reset();  // cairo's strokes say fill:none; a stroke alone fills nothing
      if (const std::string width = get("stroke-width"); !width.empty())
        path.strokeWidth = std::strtod(width.c_str(), nullptr);
      if (const std::string dashes = get("stroke-dasharray"); !dashes.empty() && dashes != "none")
        path.dashes = numbersOf(dashes);
      path.evenOdd = get("fill-rule") == "evenodd";
      const Affine to = groups.back().transform.then(transformOf(element));
      path.subpaths = subpathsOf(get("d"), to, error);
      picture.paths.push_back(std::move(path));
    }
  }
  return picture;
}

}  // namespace zek::render::test
