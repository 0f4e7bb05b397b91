/* Test declarations of the classic-line driver library: the types, constants and functions
   that generated code uses, so that generated fragments can be compiled. Values are arbitrary. */
#ifndef ZIZEV_TEST_H
#define ZIZEV_TEST_H

typedef unsigned char U8;
typedef unsigned short U16;
typedef unsigned int U32;
typedef signed char I8;
typedef short I16;
typedef int I32;
typedef double F64;

#define NoError 0

/* Card types */
#define PCI_A120V 1
#define PCI_A120A 2
#define PCI_A130V 3
#define PCI_A130A 4
#define PCI_D210 5
#define PCI_D220 6
#define PCI_D223 7
#define PCI_D224 8
#define PCI_D230 9
#define PCI_D231 10
#define PCI_D235 11
#define PCI_D237 12
#define PCI_D250 13
#define PCI_D260A_RevA 14
#define PCI_D260A_RevB 15
#define PCI_D280 16
#define PCI_D281 17
#define PCI_D282 18
#define PCI_T310 19
#define PCI_M610DG 20
#define PCI_M610HR 21
#define PCI_M620 22
#define PCI_M630 23
#define PCI_M640DG 24
#define PCI_M640HG 25
#define PCI_M660DG 26
#define PCI_M660HG 27
#define PCI_M660HR 28
#define PCI_S710 29
#define PCI_S720 30
#define PCI_D270 31
#define PCI_M650 32
#define PCI_D240 33
#define PCI_D242 34
#define PCI_D245 35
#define PCI_D295 36

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

/* Single-point AI mode words */
#define PM660_AI_BiPolar 0x00
#define PM660_AI_UniPolar 0x01
#define PM660_AI_SingEnded 0x00
#define PM660_AI_Differential 0x02
#define PM650_AI_BiPolar 0x00
#define PM650_AI_UniPolar 0x01
#define PM650_AI_SingEnded 0x00
#define PM650_AI_Differential 0x02
#define PM650_AI_LocalGND 0x00
#define PM650_AI_UserCMMD 0x04
#define PM650_AI_SoftPolling 0x00

/* Analog output modes */
#define PA120_CURRENT_0_20MA 0
#define PA120_CURRENT_5_25MA 1
#define PA120_CURRENT_4_20MA 2
#define PA130_CURRENT_0_20MA 0
#define PA130_CURRENT_5_25MA 1
#define PA130_CURRENT_4_20MA 2
#define PA130V_AO_UNIPOLAR 0
#define PA130V_AO_BIPOLAR 1
#define PA130V_AO_CH0_3 0
#define PA130V_AO_CH4_7 1
#define PM610_AO_UNIPOLAR 0
#define PM610_AO_BIPOLAR 1

I16 Register_Card(U16 CardType, U16 card_num);
I16 Release_Card(U16 CardNumber);

I16 AI_ReadChannel(U16 CardNumber, U16 Channel, U16 AdRange, U16 *Value);
I16 AI_VReadChannel(U16 CardNumber, U16 Channel, U16 AdRange, F64 *voltage);
I16 AI_M660_Config(U16 CardNumber, U16 ModeCtrl, U16 FunCtrl, U16 BurstNumber, U16 PostCount);
I16 AI_M650_Config(U16 CardNumber, U16 ConfigCtrl, U16 TrigCtrl, U32 PostCnt, U32 MCnt, U16 ReTrgCnt);

I16 AO_A120A_Config(U16 CardNumber, U16 V2AMode);
I16 AO_A130V_Config(U16 CardNumber, U16 ChanGroup, U16 Polarity, F64 RefVoltage);
I16 AO_A130A_Config(U16 CardNumber, U16 V2AMode);
I16 AO_M610_Config(U16 CardNumber, U16 Polarity);
I16 AO_M620_Config(U16 CardNumber, U16 Channel, F64 RefVoltage);
I16 AO_VWriteChannel(U16 CardNumber, U16 Channel, F64 Voltage);

#endif
