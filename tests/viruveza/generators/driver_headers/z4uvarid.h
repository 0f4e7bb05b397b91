/* Test declarations of the E400-line driver library: the types, constants and functions that
   generated code uses, so that generated fragments can be compiled. Values are arbitrary. */
#ifndef Z4UVARID_TEST_H
#define Z4UVARID_TEST_H

typedef unsigned char U8;
typedef unsigned short U16;
typedef unsigned int U32;
typedef signed char I8;
typedef short I16;
typedef int I32;
typedef double F64;

#define NoError 0

/* Card types */
#define DAQ_E420 1
#define DAQ_E435 2
#define DAQ_E440 3
#define DAQ_E410 4
#define DAQ_E430 5
#define DAQ_E415 6
#define DAQ_E460 7
#define DAQ_E465 8
#define DAQ_E445 9
#define DAQ_E450 10
#define DAQ_E455 11
#define DAQ_E425 12

I16 R4A_Register_Card(U16 CardType, U16 card_num);
I16 R4A_Release_Card(U16 CardNumber);

#endif
