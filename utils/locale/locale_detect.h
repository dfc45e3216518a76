// Which character set, language and collation describe this machine.
// KPCHARSET and KPLANG override the system's settings when use_environment
// is non-zero; the product setting "Language" overrides the system language.
#pragma once
#include "utils/locale/locale_tables.h"

// Never null: unknown names and code pages give "windows-1252".
const UTCharsetInfo *detect_os_charset(int use_environment);
// Never null: unknown names give English.
const UTLanguageInfo *detect_language(int use_environment);
// Never null: the default collation of the detected set and language.
const UTCollationInfo *detect_default_collation();
