// The platform library's process-wide objects. They are built before the
// entry function runs and destroyed after it returns, in reverse order of
// their definitions below; the priority puts them ahead of every other
// static object of the program.
#include "utils/error_code.h"
#include "utils/locale/locale_context.h"

// The machine's character sets and language, detected once.
__attribute__((init_priority(101))) UTLocaleContext ut_process_locale;

// UTErrorCode is exported for the product's other modules, yet nothing in
// the agent uses it; this reference links its object into the image.
__attribute__((used)) static unsigned long (UTErrorCode::*const keep_error_code_exported)() const =
    &UTErrorCode::get_posix_equivalent;
