/* The public header compiled as C: the record layout a C caller sees. */
#include "dedozovaz/dedozovaz.h"

#include <stddef.h>

_Static_assert(sizeof(VIZDevRecord) == 64, "record size");
_Static_assert(offsetof(VIZDevRecord, family) == 0, "family offset");
_Static_assert(offsetof(VIZDevRecord, type) == 2, "type offset");
_Static_assert(offsetof(VIZDevRecord, card_number) == 4, "card number offset");
_Static_assert(offsetof(VIZDevRecord, name) == 6, "narrow name offset");
_Static_assert(offsetof(VIZDevRecord, wide_name) == 16, "wide name offset");
_Static_assert(offsetof(VIZDevRecord, end_mark) == 48, "end mark offset");

/* Calls both exports from C. */
int dedozovaz_c_caller_count(void) {
    return VIZFindDev(0, NULL) + fnDEDOzovaz();
}
