#include "utils/ut_memory.h"

#include <cstdlib>

#include "utils/ut_fatal.h"

void *ut_alloc(size_t size) {
  if (size == 0)
    return nullptr;
  void *block = malloc(size);
  if (!block)
    ut_fatal_error("Out of memory");
  return block;
}

void *ut_alloc_zeroed(size_t size) { return size == 0 ? nullptr : calloc(1, size); }

// A null block is a plain allocation that may fail quietly; size 0 frees;
// failing to resize an existing block is fatal.
void *ut_realloc(void *block, size_t size) {
  if (!block)
    return size == 0 ? nullptr : malloc(size);
  if (size == 0) {
    free(block);
    return nullptr;
  }
  void *resized = realloc(block, size);
  if (!resized)
    ut_fatal_error("Out of memory");
  return resized;
}

void ut_free(void *block) { free(block); }
