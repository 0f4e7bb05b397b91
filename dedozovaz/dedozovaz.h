/* DEDOzovaz: finds the maker's data-acquisition cards on the PCI bus. */
#ifndef DEDOZOVAZ_DEDOZOVAZ_H
#define DEDOZOVAZ_DEDOZOVAZ_H

#include <stdint.h>

#if defined(_WIN32)
#if defined(DEDOZOVAZ_BUILD)
#define DEDOZOVAZ_API __declspec(dllexport)
#else
#define DEDOZOVAZ_API __declspec(dllimport)
#endif
#else
#define DEDOZOVAZ_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Most cards one scan reports; the caller's array holds this many records (2048 bytes). */
#define VIZ_MAX_DEVICES 32
#define VIZ_END_MARK 0xFFFF

/* One card found, 64 bytes, little-endian. */
typedef struct VIZDevRecord {
    uint16_t family;        /* 0 classic PCI line, 1 E400 line, 2 digitizer line */
    uint16_t type;          /* index into the family's name table */
    uint16_t card_number;   /* from the card's ID switches, else per-type discovery order */
    char name[10];          /* model name, zero-terminated */
    uint16_t wide_name[16]; /* the same name in UTF-16, zero-terminated */
    uint16_t end_mark;      /* VIZ_END_MARK */
    uint8_t unused[14];     /* never written by the scan */
} VIZDevRecord;

#ifdef __cplusplus
static_assert(sizeof(VIZDevRecord) == 64, "VIZDevRecord must be 64 bytes");
#else
_Static_assert(sizeof(VIZDevRecord) == 64, "VIZDevRecord must be 64 bytes");
#endif

/* Scans the PCI bus and writes one record per card into records (room for VIZ_MAX_DEVICES).
   Returns the number of records written; with records == NULL returns VIZ_MAX_DEVICES and
   scans nothing. reserved is ignored. */
DEDOZOVAZ_API uint16_t VIZFindDev(int32_t reserved, VIZDevRecord* records);

/* Returns 42. */
DEDOZOVAZ_API int32_t fnDEDOzovaz(void);

#ifdef __cplusplus
}
#endif

#endif
