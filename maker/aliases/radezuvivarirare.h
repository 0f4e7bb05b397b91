/*
 * Radezuvivarirare alias library: C interface.
 *
 * A device alias is a user-chosen name for one card, the card being a type code and a card
 * number. The aliases live in a store file (DeviceName.ini, layout in README.md) whose path is
 * the first argument of every function. Every function may be called from any thread and from
 * several processes at once: changes are made under a lock and replace the file atomically.
 *
 * An alias is 1 to ALIAS_MAX_BYTES bytes of UTF-8 and unique in its store regardless of letter
 * case; AliasApiCheck lists the rules. Look-ups by name ignore letter case as well.
 */
#ifndef RADEZUVIVARIRARE_H
#define RADEZUVIVARIRARE_H

#include <stdint.h>

#if defined(__GNUC__)
#define RADEZUVIVARIRARE_API __attribute__((visibility("default")))
#else
#define RADEZUVIVARIRARE_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Longest alias in bytes of UTF-8, so a look-up buffer of 32 bytes holds any alias. */
#define ALIAS_MAX_BYTES 31

/* ---- Results of AliasApiAdd, AliasApiRemove and of AliasApiList on bad arguments ------------ */

#define ALIAS_OK 0
#define ALIAS_ERR_ARGUMENT (-1)  /* a null pointer, a negative size, a type code below 1 or a   */
                                 /* negative card number                                        */
#define ALIAS_ERR_NAME (-2)      /* the alias breaks a rule of AliasApiCheck (other than use)   */
#define ALIAS_ERR_IN_USE (-3)    /* another card has this alias                                 */
#define ALIAS_ERR_NOT_FOUND (-4) /* the store holds no such alias                               */
#define ALIAS_ERR_FILE (-5)      /* the store or its folder cannot be read, locked or written   */

/* ---- Reasons of AliasApiCheck; 0 means the alias may be stored ------------------------------ */

#define ALIAS_CHECK_EMPTY 1      /* null, empty or only blanks                                  */
#define ALIAS_CHECK_BLANK_EDGE 2 /* begins or ends with a blank                                 */
#define ALIAS_CHECK_TOO_LONG 3   /* more than ALIAS_MAX_BYTES bytes                             */
#define ALIAS_CHECK_ENCODING 4   /* not well-formed UTF-8                                       */
#define ALIAS_CHECK_CHARACTER 5  /* a control character, a line or paragraph separator, a byte  */
                                 /* order mark, or one of = [ ] ; #                             */
#define ALIAS_CHECK_IN_USE 6     /* the store already holds this alias (any letter case)        */
#define ALIAS_CHECK_STORE 7      /* no store path, or a store that exists but cannot be read   */

/* Fills buffer with every alias, each ended by a NUL, the list ended by an empty name (a second
 * NUL), and returns the size this takes in bytes (1 for an empty store). A buffer too small for
 * the whole list receives the aliases that fit whole, still ended by the empty name; nothing is
 * written past size. With a null buffer and size 0 only the size is returned. ALIAS_ERR_ARGUMENT
 * for a null store, a negative size, or a null buffer with a positive size. */
RADEZUVIVARIRARE_API int32_t AliasApiList(const char* store, char* buffer, int32_t size);

/* Makes alias the card's alias: a card that had another alias has it replaced. Refuses an alias
 * AliasApiCheck would refuse (ALIAS_ERR_NAME) and one held by another card (ALIAS_ERR_IN_USE);
 * storing the alias the card already has is ALIAS_OK. Creates the store's folder when missing. */
RADEZUVIVARIRARE_API int32_t AliasApiAdd(const char* store, const char* alias, int32_t typeCode,
                                         int32_t cardNumber);

/* Removes the alias (any letter case). ALIAS_ERR_NOT_FOUND when the store does not hold it. */
RADEZUVIVARIRARE_API int32_t AliasApiRemove(const char* store, const char* alias);

/* Non-zero when the card has an alias: copies it into buffer and returns its length plus one.
 * A buffer smaller than that receives the longest whole-character prefix that fits; it is always
 * terminated and nothing is written past size. 0 when the card has no alias and on bad arguments
 * (never negative, so an error never reads as an alias found); the buffer then holds "". */
RADEZUVIVARIRARE_API int32_t AliasApiGetAlias(const char* store, int32_t typeCode, int32_t cardNumber,
                                              char* buffer, int32_t size);

/* 1 when the store holds the alias (any letter case): fills the type code and card number of its
 * card. 0 when it does not and on bad arguments; the outputs are then left as they were. */
RADEZUVIVARIRARE_API int32_t AliasApiGetDevice(const char* store, const char* alias, int32_t* typeCode,
                                               int32_t* cardNumber);

/* 0 when alias may be stored, else the first ALIAS_CHECK_ reason that refuses it. */
RADEZUVIVARIRARE_API int32_t AliasApiCheck(const char* store, const char* alias);

#ifdef __cplusplus
}
#endif

#endif /* RADEZUVIVARIRARE_H */
