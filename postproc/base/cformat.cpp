// c_format: printf with three-digit exponents.
//
// The conversions are handed one at a time to the C library's vsnprintf; only the floating
// conversions whose output may carry an exponent (e, E, g, G) are rebuilt: formatted without
// width first, the exponent widened to three digits, then padded to the width by the same
// rules printf uses ('-' left, '0' zeros after the sign, blanks otherwise). Infinity and NaN
// have no exponent and are padded with blanks whatever the flags say, as printf does.
#include "cformat.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

struct Conversion {
  std::string flags;
  int width = -1;       // -1: none
  int precision = -1;   // -1: none
  std::string length;   // h, hh, l, ll, L, z, j, t, I64 ...
  char type = 0;
};

// Widens the exponent of a %e/%g result in place: "1.5e-05" -> "1.5e-005".
void widen_exponent(std::string &text) {
  size_t e = text.find_first_of("eE");
  if (e == std::string::npos || e + 1 >= text.size()) return;
  size_t digits = e + 1;
  if (text[digits] == '+' || text[digits] == '-') digits++;
  size_t count = text.size() - digits;
  if (count < 3) text.insert(digits, 3 - count, '0');
}

std::string pad(const std::string &body, const Conversion &c) {
  if (c.width < 0 || static_cast<int>(body.size()) >= c.width) return body;
  size_t fill = static_cast<size_t>(c.width) - body.size();
  if (c.flags.find('-') != std::string::npos) return body + std::string(fill, ' ');
  bool finite = body.find_first_of("iInN") == std::string::npos;
  if (c.flags.find('0') != std::string::npos && finite) {
    size_t sign = (!body.empty() && (body[0] == '-' || body[0] == '+' || body[0] == ' ')) ? 1 : 0;
    return body.substr(0, sign) + std::string(fill, '0') + body.substr(sign);
  }
  return std::string(fill, ' ') + body;
}

template <typename T>
std::string format_value(const std::string &spec, T value) {
  char small[128];
  int n = snprintf(small, sizeof small, spec.c_str(), value);
  if (n < 0) return std::string();
  if (n < static_cast<int>(sizeof small)) return std::string(small, static_cast<size_t>(n));
  std::vector<char> big(static_cast<size_t>(n) + 1);
  snprintf(big.data(), big.size(), spec.c_str(), value);
  return std::string(big.data(), static_cast<size_t>(n));
}

// Parses the conversion starting after '%'; returns the index after it, or npos.
size_t parse_conversion(const char *f, size_t i, Conversion &c, va_list *args) {
  while (f[i] && strchr("-+ #0", f[i])) c.flags += f[i++];
  if (f[i] == '*') {
    c.width = va_arg(*args, int);
    if (c.width < 0) {
      c.flags += '-';
      c.width = -c.width;
    }
    i++;
  } else if (f[i] >= '0' && f[i] <= '9') {
    c.width = 0;
    while (f[i] >= '0' && f[i] <= '9') c.width = c.width * 10 + (f[i++] - '0');
  }
  if (f[i] == '.') {
    i++;
    c.precision = 0;
    if (f[i] == '*') {
      c.precision = va_arg(*args, int);
      i++;
    } else {
      while (f[i] >= '0' && f[i] <= '9') c.precision = c.precision * 10 + (f[i++] - '0');
    }
  }
  while (f[i] && strchr("hlLqjzt", f[i])) c.length += f[i++];
  if (f[i] == 'I' && f[i + 1] == '6' && f[i + 2] == '4') {
    c.length = "ll";
    i += 3;
  }
  if (!f[i]) return std::string::npos;
  c.type = f[i];
  return i + 1;
}

std::string spec_text(const Conversion &c, bool with_width) {
  std::string s = "%" + c.flags;
  if (with_width && c.width >= 0) s += std::to_string(c.width);
  if (c.precision >= 0) s += "." + std::to_string(c.precision);
  return s + c.length + c.type;
}

}  // namespace

std::string c_vformat(const char *format, va_list args_in) {
  std::string out;
  if (!format) return out;
  va_list args;
  va_copy(args, args_in);
  size_t i = 0;
  while (format[i]) {
    if (format[i] != '%') {
      out += format[i++];
      continue;
    }
    if (format[i + 1] == '%') {
      out += '%';
      i += 2;
      continue;
    }
    Conversion c;
    size_t next = parse_conversion(format, i + 1, c, &args);
    if (next == std::string::npos) break;
    i = next;
    switch (c.type) {
      case 'e': case 'E': case 'g': case 'G': {
        double value = c.length == "L" ? static_cast<double>(va_arg(args, long double))
                                       : va_arg(args, double);
        Conversion bare = c;
        bare.length.clear();
        std::string body = format_value(spec_text(bare, false), value);
        widen_exponent(body);
        out += pad(body, c);
        break;
      }
      case 'f': case 'F': case 'a': case 'A': {
        double value = c.length == "L" ? static_cast<double>(va_arg(args, long double))
                                       : va_arg(args, double);
        Conversion bare = c;
        bare.length.clear();
        out += format_value(spec_text(bare, true), value);
        break;
      }
      case 'd': case 'i': case 'u': case 'x': case 'X': case 'o': case 'c': {
        std::string spec = spec_text(c, true);
        if (c.length == "ll" || c.length == "j" || c.length == "q") {
          long long v = va_arg(args, long long);
          out += format_value(spec, v);
        } else if (c.length == "l" || c.length == "z" || c.length == "t") {
          long v = va_arg(args, long);
          out += format_value(spec, v);
        } else {
          int v = va_arg(args, int);
          out += format_value(spec, v);
        }
        break;
      }
      case 's': {
        const char *s = va_arg(args, const char *);
        out += format_value(spec_text(c, true), s ? s : "(null)");
        break;
      }
      case 'p': {
        void *p = va_arg(args, void *);
        out += format_value(spec_text(c, true), p);
        break;
      }
      default:  // unknown conversion: printed as written, consumes nothing
        out += spec_text(c, true);
        break;
    }
  }
  va_end(args);
  return out;
}

std::string c_format(const char *format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = c_vformat(format, args);
  va_end(args);
  return text;
}

size_t c_format_into(char *buffer, size_t size, const char *format, ...) {
  if (size == 0) return 0;
  va_list args;
  va_start(args, format);
  std::string text = c_vformat(format, args);
  va_end(args);
  size_t n = text.size() < size - 1 ? text.size() : size - 1;
  memcpy(buffer, text.data(), n);
  buffer[n] = '\0';
  return n;
}
