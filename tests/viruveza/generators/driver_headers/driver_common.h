/* Test declarations shared by both driver libraries: the basic types, the E400 card types
   (the E400 timer/counter code registers its card through the classic library) and the AD
   range codes. */
#ifndef DRIVER_COMMON_TEST_H
#define DRIVER_COMMON_TEST_H

typedef unsigned char U8;
typedef unsigned short U16;
typedef unsigned int U32;
typedef signed char I8;
typedef short I16;
typedef int I32;
typedef double F64;
typedef unsigned char BOOLEAN;

/* E400 card types */
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

/* AD ranges */
#define AD_B_10_V 1
#define AD_B_5_V 2
#define AD_B_2_5_V 3
#define AD_B_1_25_V 4
#define AD_B_0_625_V 5
#define AD_B_0_3125_V 6
#define AD_B_0_5_V 7
#define AD_B_0_05_V 8
#define AD_B_0_005_V 9
#define AD_B_1_V 10
#define AD_B_0_1_V 11
#define AD_B_0_01_V 12
#define AD_B_0_001_V 13
#define AD_U_20_V 14
#define AD_U_10_V 15
#define AD_U_5_V 16
#define AD_U_2_5_V 17
#define AD_U_1_25_V 18
#define AD_U_1_V 19
#define AD_U_0_1_V 20
#define AD_U_0_01_V 21
#define AD_U_0_001_V 22

#endif
