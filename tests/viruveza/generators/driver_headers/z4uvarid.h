/* Test declarations of the E400-line driver library: the types, constants and functions that
   generated code uses, so that generated fragments can be compiled. Values are arbitrary. */
#ifndef Z4UVARID_TEST_H
#define Z4UVARID_TEST_H

/* Generated code allocates its output pattern with malloc and free; the program it is pasted
   into provides them. */
#include <stdlib.h>

#include "driver_common.h"

#define NoError 0

/* AI reference ground */
#define AI_RSE 0x0000
#define AI_DIFF 0x0100
#define AI_NRSE 0x0200

#define All_Channels -1

/* AO channel settings and groups */
#define DOZU4R_DA_UniPolar 0
#define DOZU4R_DA_BiPolar 1
#define DOZU4R_DA_Int_REF 0
#define DOZU4R_DA_Ext_REF 1
#define DA_Group_A 0x0000
#define DA_Group_B 0x0004
#define DA_Group_AB 0x0008

/* Digital ports */
#define Channel_P1A 0
#define Channel_P1B 1
#define Channel_P1C 2
#define Channel_P1CL 3
#define Channel_P1CH 4
#define INPUT_PORT 1
#define OUTPUT_PORT 2

/* Operation modes */
#define SYNCH_OP 1
#define ASYNCH_OP 2

/* Time bases */
#define DOZU4R_IntTimeBase 0x00
#define DOZU4R_ExtTimeBase 0x01
#define DOZU4R_SSITimeBase 0x02

/* Analog trigger */
#define ADCATRIG 0x00
#define EXTATRIG 0x01
#define CH1ATRIG 0x02
#define CH2ATRIG 0x04
#define CH3ATRIG 0x06
#define CH0ATRIG 0x08
#define Below_Low_level 0x0000
#define Above_High_Level 0x0100
#define Inside_Region 0x0200
#define High_Hysteresis 0x0300
#define Low_Hysteresis 0x0400

/* Continuous AI configuration */
#define DOZU4R_AI_ADCONVSRC_Int 0x00
#define DOZU4R_AI_ADCONVSRC_AFI0 0x04
#define DOZU4R_AI_ADCONVSRC_SSI 0x08
#define DOZU4R_AI_ADCONVSRC_AFI1 0x0C
#define DOZU4R_AI_TRGSRC_SOFT 0x00
#define DOZU4R_AI_TRGSRC_ANA 0x01
#define DOZU4R_AI_TRGSRC_ExtD 0x02
#define DOZU4R_AI_TRSRC_SSI 0x03
#define DOZU4R_AI_TRGMOD_POST 0x00
#define DOZU4R_AI_TRGMOD_DELAY 0x08
#define DOZU4R_AI_TRGMOD_PRE 0x10
#define DOZU4R_AI_TRGMOD_MIDL 0x18
#define DOZU4R_AI_ReTrigEn 0x80
#define DOZU4R_AI_Dly1InSamples 0x100
#define DOZU4R_AI_Dly1InTimebase 0x000
#define DOZU4R_AI_MCounterEn 0x400
#define DOZU4R_AI_TrgPositive 0x0000
#define DOZU4R_AI_TrgNegative 0x1000

/* Continuous AO configuration */
#define DOZU4R_DA_WRSRC_Int 0x00
#define DOZU4R_DA_WRSRC_AFI0 0x01
#define DOZU4R_DA_WRSRC_AFI1 0x01
#define DOZU4R_DA_WRSRC_SSI 0x02
#define DOZU4R_DA_TDSRC_Int 0x00
#define DOZU4R_DA_TDSRC_AFI0 0x10
#define DOZU4R_DA_TDSRC_GPTC0 0x20
#define DOZU4R_DA_TDSRC_GPTC1 0x30
#define DOZU4R_DA_BDSRC_Int 0x00
#define DOZU4R_DA_BDSRC_AFI0 0x40
#define DOZU4R_DA_BDSRC_GPTC0 0x80
#define DOZU4R_DA_BDSRC_GPTC1 0xC0
#define DOZU4R_DA_TRGSRC_SOFT 0x00
#define DOZU4R_DA_TRGSRC_ANA 0x01
#define DOZU4R_DA_TRGSRC_ExtD 0x02
#define DOZU4R_DA_TRSRC_SSI 0x03
#define DOZU4R_DA_TRGMOD_POST 0x00
#define DOZU4R_DA_TRGMOD_DELAY 0x04
#define DOZU4R_DA_ReTrigEn 0x20
#define DOZU4R_DA_Dly1InUI 0x40
#define DOZU4R_DA_Dly1InTimebase 0x00
#define DOZU4R_DA_Dly2InUI 0x80
#define DOZU4R_DA_Dly2InTimebase 0x00
#define DOZU4R_DA_DLY2En 0x100
#define DOZU4R_DA_TrgPositive 0x000
#define DOZU4R_DA_TrgNegative 0x200
#define DOZU4R_DA_TerminateImmediate 0
#define DOZU4R_DA_TerminateUC 1
#define DOZU4R_DA_TerminateIC 2
#define BufferNotUsed 0xFFFF

I16 R4A_Register_Card(U16 CardType, U16 card_num);
I16 R4A_Release_Card(U16 CardNumber);

/* Analog input */
I16 R4A_AI_CH_Config(U16 CardNumber, I16 wChannel, U16 wAdRange_RefGnd);
I16 R4A_AI_ReadChannel(U16 CardNumber, U16 Channel, U16* Value);
I16 R4A_AI_VReadChannel(U16 CardNumber, U16 Channel, F64* voltage);
I16 R4A_AI_SimuReadChannel(U16 CardNumber, U16 wNumChans, U16* pwChans, I16* pwBuffer);
I16 R4A_AI_ScanReadChannels(U16 CardNumber, U16 wNumChans, U16* pwChans, I16* pwBuffer);
I16 R4A_AI_VoltScale(U16 CardNumber, U16 AdRange, I16 reading, F64* voltage);
I16 R4A_AI_ContVScale(U16 CardNumber, U16 AdRange, I16* readingArray, F64* voltageArray, I32 count);
I16 R4A_AI_InitialMemoryAllocated(U16 CardNumber, U32* MemSize);
I16 R4A_AI_AsyncDblBufferMode(U16 CardNumber, BOOLEAN Enable);
I16 R4A_AI_Config(U16 CardNumber, U16 ConfigCtrl, U32 TrigCtrl, U32 MidOrDlyScans, U16 MCnt, U16 ReTrgCnt,
                  BOOLEAN AutoResetBuf);
I16 R4A_AI_ContBufferSetup(U16 CardNumber, void* pwBuffer, U32 dwReadCount, U16* BufferId);
I16 R4A_AI_ContBufferReset(U16 CardNumber);
I16 R4A_AI_ContReadChannel(U16 CardNumber, U16 Channel, U16 BufId, U32 ReadScans, U32 ScanIntrv,
                           U32 SampIntrv, U16 SyncMode);
I16 R4A_AI_ContReadChannelToFile(U16 CardNumber, U16 Channel, U16 BufId, const char* FileName, U32 ReadScans,
                                 U32 ScanIntrv, U32 SampIntrv, U16 SyncMode);
I16 R4A_AI_ContScanChannels(U16 CardNumber, U16 LastChannel, U16 BufId, U32 ReadScans, U32 ScanIntrv,
                            U32 SampIntrv, U16 SyncMode);
I16 R4A_AI_ContScanChannelsToFile(U16 CardNumber, U16 LastChannel, U16 BufId, const char* FileName,
                                  U32 ReadScans, U32 ScanIntrv, U32 SampIntrv, U16 SyncMode);
I16 R4A_AI_ContReadMultiChannels(U16 CardNumber, U16 NumChans, U16* Chans, U16 BufId, U32 ReadScans,
                                 U32 ScanIntrv, U32 SampIntrv, U16 SyncMode);
I16 R4A_AI_ContReadMultiChannelsToFile(U16 CardNumber, U16 NumChans, U16* Chans, U16 BufId,
                                       const char* FileName, U32 ReadScans, U32 ScanIntrv, U32 SampIntrv,
                                       U16 SyncMode);
I16 R4A_AI_AsyncDblBufferHalfReady(U16 CardNumber, BOOLEAN* HalfReady, BOOLEAN* StopFlag);
I16 R4A_AI_AsyncDblBufferToFile(U16 CardNumber);
I16 R4A_AI_AsyncCheck(U16 CardNumber, BOOLEAN* Stopped, U32* AccessCnt);
I16 R4A_AI_AsyncClear(U16 CardNumber, U32* StartPos, U32* AccessCnt);

/* Analog trigger and time base of AI and AO */
I16 R4A_AIO_Config(U16 CardNumber, U16 TimerBase, U16 AnaTrigCtrl, U16 H_TrgLevel, U16 L_TrgLevel);

/* Analog output */
I16 R4A_AO_CH_Config(U16 CardNumber, I16 wChannel, U16 wOutputPolarity, U16 wIntOrExtRef, F64 refVoltage);
I16 R4A_AO_VWriteChannel(U16 CardNumber, U16 Channel, F64 Voltage);
/* Generated code scales into both signed and unsigned code arrays. */
I16 R4A_AO_VoltScale(U16 CardNumber, U16 Channel, F64 Voltage, void* binValue);
I16 R4A_AO_SimuWriteChannel(U16 CardNumber, U16 wNumChans, U16* pwBuffer);
I16 R4A_AO_Group_Setup(U16 CardNumber, U16 wGroup, U16 wNumChans, U16* pwChans);
I16 R4A_AO_Group_VUpdate(U16 CardNumber, U16 wGroup, F64* pVoltages);
I16 R4A_AO_InitialMemoryAllocated(U16 CardNumber, U32* MemSize);
I16 R4A_AO_AsyncDblBufferMode(U16 CardNumber, BOOLEAN Enable);
I16 R4A_AO_Config(U16 CardNumber, U16 ConfigCtrl, U16 TrigCtrl, U16 ReTrgCnt, U16 DLY1Cnt, U16 DLY2Cnt,
                  BOOLEAN AutoResetBuf);
I16 R4A_AO_ContBufferCompose(U16 CardNumber, U16 wGroup, U16 wChannel, U32 dwUpdateCount, void* ConBuffer,
                             void* Buffer, BOOLEAN fifoload);
I16 R4A_AO_ContBufferSetup(U16 CardNumber, void* pwBuffer, U32 dwWriteCount, U16* BufferId);
I16 R4A_AO_ContBufferReset(U16 CardNumber);
I16 R4A_AO_Group_FIFOLoad(U16 CardNumber, U16 wGroup, U16 BufId, U32 dwWriteCount);
I16 R4A_AO_Group_WFM_Start(U16 CardNumber, U16 wGroup, U16 fstBufIdOrNotUsed, U16 sndBufId, U32 dwUpdateCount,
                           U32 wIterations, U32 dwCHUI, U16 definite);
I16 R4A_AO_ContWriteChannel(U16 CardNumber, U16 wChannel, U16 BufId, U32 dwUpdateCount, U32 wIterations,
                            U32 dwCHUI, U16 definite, U16 wSyncMode);
I16 R4A_AO_ContWriteMultiChannels(U16 CardNumber, U16 wNumChans, U16* pwChans, U16 BufId, U32 dwUpdateCount,
                                  U32 wIterations, U32 dwCHUI, U16 definite, U16 wSyncMode);
I16 R4A_AO_AsyncDblBufferHalfReady(U16 CardNumber, BOOLEAN* bHalfReady);
I16 R4A_AO_AsyncCheck(U16 CardNumber, BOOLEAN* bStopped, U32* WriteCnt);
I16 R4A_AO_AsyncClear(U16 CardNumber, U32* WriteCnt, U16 stop_mode);
I16 R4A_AO_Group_WFM_AsyncCheck(U16 CardNumber, U16 wGroup, U8* bStopStatus, U32* WriteCnt);
I16 R4A_AO_Group_WFM_AsyncClear(U16 CardNumber, U16 wGroup, U32* WriteCnt, U16 stop_mode);

/* Digital input and output */
I16 R4A_DIO_PortConfig(U16 CardNumber, U16 Port, U16 Direction);
I16 R4A_DI_ReadPort(U16 CardNumber, U16 Port, U16* Value);
I16 R4A_DI_ReadLine(U16 CardNumber, U16 Port, U16 Line, U16* State);
I16 R4A_DO_WritePort(U16 CardNumber, U16 Port, U16 Value);
I16 R4A_DO_WriteLine(U16 CardNumber, U16 Port, U16 Line, U16 Value);
I16 R4A_DO_ReadPort(U16 CardNumber, U16 Port, U16* Value);
I16 R4A_DO_ReadLine(U16 CardNumber, U16 Port, U16 Line, U16* State);

#endif
