#include "utils/ut_args.h"

#include "utils/ut_chartable.h"
#include "utils/ut_memory.h"

namespace {

bool is_separator(char c) { return c == ' ' || c == '\r' || c == '\n'; }

// Bytes taken by the character at p: a lead byte goes with its trail byte,
// so a trail byte equal to '\\' or '"' is never read as one.
int char_length(const char *p) {
  return ut_char_info(static_cast<unsigned char>(*p)).length == 2 && p[1] != '\0' ? 2 : 1;
}

// End of a double-quoted argument's content (its closing quote or the end of
// the text): backslash pairs and escaped quotes are stepped over.
const char *quoted_end(const char *p) {
  while (*p && *p != '"') {
    if (p[0] == '\\' && (p[1] == '"' || p[1] == '\\'))
      p += 2;
    else
      p += char_length(p);
  }
  return p;
}

// A network path (\\server\share...) keeps its backslashes: two leading ones
// and a character that is not one, at least one more backslash, and no
// further pair unless the pair ends the content.
bool is_network_path(const char *begin, const char *end) {
  if (end - begin < 3 || begin[0] != '\\' || begin[1] != '\\' || begin[2] == '\\')
    return false;
  bool more = false;
  for (const char *p = begin + 2; p < end; p += char_length(p)) {
    if (*p != '\\')
      continue;
    if (p + 1 < end && p[1] == '\\' && p + 2 != end)
      return false;
    more = true;
  }
  return more;
}

// Copies one character from *r to *w, advancing both.
void copy_char(char *&w, const char *&r) {
  for (int n = char_length(r); n > 0; --n)
    *w++ = *r++;
}

// Where scanning goes on after the character that ended an argument: the
// character after it, or null at the end of the text. Decided before the
// terminator is written, which may land on that very character.
char *next_after(const char *ender) { return *ender ? const_cast<char *>(ender) + 1 : nullptr; }

// Each reader copies one argument starting at r into w (w never passes r),
// terminates it and returns next_after() of the character that ended it.
char *read_quoted(char *w, char *r) {
  char *end = const_cast<char *>(quoted_end(r));
  bool network = is_network_path(r, end);
  const char *p = r;
  while (p < end) {
    if (p[0] == '\\' && p[1] == '"') {
      *w++ = '"';
      p += 2;
    } else if (p[0] == '\\' && p[1] == '\\' && (!network || p + 2 == end)) {
      *w++ = '\\';
      p += 2;
    } else {
      copy_char(w, p);
    }
  }
  char *next = next_after(end);
  *w = '\0';
  return next;
}

// Copies up to the first character for which ends() is true or the end of
// the text; an escaped quote gives a quote, every other byte is copied.
char *read_until(char *w, const char *p, bool (*ends)(char)) {
  while (*p && !ends(*p)) {
    if (p[0] == '\\' && p[1] == '"') {
      *w++ = '"';
      p += 2;
    } else {
      copy_char(w, p);
    }
  }
  char *next = next_after(p);
  *w = '\0';
  return next;
}

bool is_quote(char c) { return c == '"'; }

// @"...": the "@" stays, the quotes go, and only an escaped quote is special.
char *read_verbatim(char *w, char *r) {
  *w = '@';
  return read_until(w + 1, r, is_quote);
}

char *read_plain(char *w, char *r) { return read_until(w, r, is_separator); }

}  // namespace

int ut_split_args(char *command_line, const char *program, char ***argv) {
  int count = 1;
  char **list = static_cast<char **>(ut_alloc(2 * sizeof(char *)));
  list[0] = const_cast<char *>(program);
  list[1] = nullptr;

  char *r = command_line;
  while (r) {
    while (is_separator(*r))
      ++r;
    if (*r == '\0')
      break;

    char *start = r;
    if (r[0] == '"')
      r = read_quoted(start, r + 1);
    else if (r[0] == '@' && r[1] == '"')
      r = read_verbatim(start, r + 2);
    else
      r = read_plain(start, r);

    list = static_cast<char **>(ut_realloc(list, (count + 2) * sizeof(char *)));
    list[count++] = start;
    list[count] = nullptr;
  }
  *argv = list;
  return count;
}
