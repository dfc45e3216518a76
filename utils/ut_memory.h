// Memory of the platform library. Running out is fatal where noted.
#pragma once
#include <cstddef>

void *ut_alloc(size_t size);          // 0 gives null; out of memory is fatal
void *ut_alloc_zeroed(size_t size);   // 0 or out of memory gives null
void *ut_realloc(void *block, size_t size);  // see ut_memory.cpp
void ut_free(void *block);
