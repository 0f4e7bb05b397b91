/* Test declarations of the classic-line driver library: the types, constants and functions
   that generated code uses, so that generated fragments can be compiled. Values are arbitrary. */
#ifndef ZIZEV_TEST_H
#define ZIZEV_TEST_H

#include <stddef.h>

#include "driver_common.h"

/* The Windows declarations that the driver header brings in */
typedef void* HANDLE;
typedef long LRESULT;
#define CALLBACK
#define INFINITE 0xFFFFFFFF
#define WAIT_OBJECT_0 0
U32 WaitForSingleObject(HANDLE hHandle, U32 dwMilliseconds);

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

/* Synchronous or asynchronous transfers */
#define SYNCH_OP 1
#define ASYNCH_OP 2

/* Continuous AI configuration */
#define TRIG_INT_PACER 0x00
#define TRIG_EXT_STROBE 0x01
#define TRIG_HANDSHAKE 0x02
#define TRIG_CLK_10MHZ 0x03
#define TRIG_CLK_20MHZ 0x04
#define TRIG_DO_CLK_TIMER_ACK 0x05
#define TRIG_DO_CLK_10M_ACK 0x06
#define TRIG_DO_CLK_20M_ACK 0x07
#define PM660_AI_ExtTrig 0x08
#define PM660_AI_ExtG 0x04
#define PM660_AI_DtrgNegative 0x00
#define PM660_AI_DtrgPositive 0x10
#define PM660_AI_EtrgNegative 0x00
#define PM660_AI_EtrgPositive 0x20
#define PM660_AI_BurstModeEn 0x40
#define PM660_AI_SampleHold 0x80
#define PM660_AI_PostTrgEn 0x100
#define PM660_AI_AboutTrgEn 0x200
#define PS720_AD2_LT_PCI 0x00
#define PS720_AD2_GT_PCI 0x80
#define PS720_CLKSRC_INT 0x000
#define PS720_CLKSRC_EXT_SIN 0x100
#define PS720_CLKSRC_EXT_DIG 0x200
#define PS720_TRGMOD_SOFT 0
#define PS720_TRGMOD_POST 1
#define PS720_TRGMOD_PRE 2
#define PS720_TRGMOD_DELAY 3
#define PS720_TRGSRC_CH0 0x00
#define PS720_TRGSRC_CH1 0x08
#define PS720_TRGSRC_CH2 0x10
#define PS720_TRGSRC_CH3 0x18
#define PS720_TRGSRC_EXT_DIG 0x20
#define PS720_TRGSLP_POS 0x00
#define PS720_TRGSLP_NEG 0x40
#define PM650_TRGMOD_SOFT 0x00
#define PM650_TRGMOD_POST 0x10
#define PM650_TRGMOD_DELAY 0x20
#define PM650_TRGMOD_PRE 0x30
#define PM650_TRGMOD_MIDL 0x40
#define PM650_AI_TrgPositive 0x00
#define PM650_AI_TrgNegative 0x80
#define PM650_AI_IntTimeBase 0x00
#define PM650_AI_ExtTimeBase 0x100
#define PM650_AI_DlyInTimebase 0x00
#define PM650_AI_DlyInSamples 0x200
#define PM650_AI_ReTrigEn 0x400
#define PM650_AI_MCounterEn 0x800
#define PM650_AI_INT 0x1000
#define PM650_AI_DMA 0x2000

/* Continuous DI and DO configuration */
#define DI_NOWAITING 0x00
#define DI_WAITING 0x02
#define DI_TRIG_FALLING 0x00
#define DI_TRIG_RISING 0x04
#define IREQ_FALLING 0x00
#define IREQ_RISING 0x08
#define OREQ_DISABLE 0x00
#define OREQ_ENABLE 0x10
#define OTRIG_LOW 0x00
#define PD260_WAIT_NO 0
#define PD260_WAIT_TRG 1
#define PD260_WAIT_FIFO 2
#define PD260_WAIT_BOTH 3
#define PD260_TERM_OFF 0
#define PD260_TERM_ON 1
#define PD260_DIREQ_POS 0x00
#define PD260_DIREQ_NEG 0x01
#define PD260_DIACK_POS 0x00
#define PD260_DIACK_NEG 0x02
#define PD260_DITRIG_POS 0x00
#define PD260_DITRIG_NEG 0x04
#define PD260_DOREQ_POS 0x00
#define PD260_DOREQ_NEG 0x01
#define PD260_DOACK_POS 0x00
#define PD260_DOACK_NEG 0x02
#define PD260_DOTRIG_POS 0x00
#define PD260_DOTRIG_NEG 0x04

/* Digital ports */
#define INPUT_PORT 1
#define OUTPUT_PORT 2
#define Channel_P1A 0
#define Channel_P1B 1
#define Channel_P1C 2
#define Channel_P1CL 3
#define Channel_P1CH 4
#define Channel_P2A 5
#define Channel_P2B 6
#define Channel_P2C 7
#define Channel_P2CL 8
#define Channel_P2CH 9
#define Channel_P3A 10
#define Channel_P3B 11
#define Channel_P3C 12
#define Channel_P3CL 13
#define Channel_P3CH 14
#define Channel_P4A 15
#define Channel_P4B 16
#define Channel_P4C 17
#define Channel_P4CL 18
#define Channel_P4CH 19
#define Channel_P1 20
#define Channel_P2 21
#define Channel_P3 22
#define Channel_P4 23
#define Channel_P1E 24
#define Channel_P2E 25
#define Channel_P3E 26
#define Channel_P4E 27
#define PORT_DI_LOW 0
#define PORT_DI_HIGH 1
#define PORT_DO_LOW 0
#define PORT_DO_HIGH 1
#define PD282R_DO_LED 2
#define PM610_CHANNEL_DI 0
#define PM610_CHANNEL_EDI 1
#define PM610_CHANNEL_DO 0
#define PM610_CHANNEL_EDO 1

/* Counters */
#define TOGGLE_OUTPUT 0
#define PROG_ONE_SHOT 1
#define RATE_GENERATOR 2
#define SQ_WAVE_RATE_GENERATOR 3
#define SOFT_TRIG 4
#define HARD_TRIG 5
#define BIN 0
#define BCD 1
#define ECKN 0
#define COUTN_1 1
#define CK1 2
#define COUT10 3
#define CK1_C8M 0
#define CK1_COUT11 1

/* Interrupt sources */
#define INT1_DISABLE 0
#define INT1_COS 1
#define INT1_FP1C0 2
#define INT1_RP1C0_FP1C3 3
#define INT1_EVENT_COUNTER 4
#define INT1_EXT_SIGNAL 5
#define INT1_COUT12 6
#define INT1_CH0 7
#define INT2_DISABLE 0
#define INT2_COS 1
#define INT2_FP2C0 2
#define INT2_RP2C0_FP2C3 3
#define INT2_TIMER_COUNTER 4
#define INT2_EXT_SIGNAL 5
#define INT2_CH1 6

I16 Register_Card(U16 CardType, U16 card_num);
I16 Release_Card(U16 CardNumber);

I16 AI_ReadChannel(U16 CardNumber, U16 Channel, U16 AdRange, U16* Value);
I16 AI_VReadChannel(U16 CardNumber, U16 Channel, U16 AdRange, F64* voltage);
I16 AI_M660_Config(U16 CardNumber, U16 ModeCtrl, U16 FunCtrl, U16 BurstNumber, U16 PostCount);
I16 AI_M650_Config(U16 CardNumber, U16 ConfigCtrl, U16 TrigCtrl, U32 PostCnt, U32 MCnt, U16 ReTrgCnt);

I16 AO_A120A_Config(U16 CardNumber, U16 V2AMode);
I16 AO_A130V_Config(U16 CardNumber, U16 ChanGroup, U16 Polarity, F64 RefVoltage);
I16 AO_A130A_Config(U16 CardNumber, U16 V2AMode);
I16 AO_M610_Config(U16 CardNumber, U16 Polarity);
I16 AO_M620_Config(U16 CardNumber, U16 Channel, F64 RefVoltage);
I16 AO_VWriteChannel(U16 CardNumber, U16 Channel, F64 Voltage);

/* Buffers are typed by card and width: the calls take any element type. */
I16 AI_InitialMemoryAllocated(U16 CardNumber, U32* MemSize);
I16 AI_AsyncDblBufferMode(U16 CardNumber, BOOLEAN Enable);
I16 AI_M610_Config(U16 CardNumber, U16 TrigSource, U16 PreTrigEn, U16 TraceCnt);
I16 AI_M620_Config(U16 CardNumber, U16 TrigSource);
I16 AI_M630_Config(U16 CardNumber, U16 TrigSource);
I16 AI_M640_Config(U16 CardNumber, U16 TrigSource);
I16 AI_S720_Config(U16 CardNumber, U16 TrgMode, U16 TrgSource, U16 TrgSlope, U16 ClkSel, U16 TrgLevel,
                   U32 PostCount);
I16 AI_M650_CounterInterval(U16 CardNumber, U32 ScanIntrv, U32 SampIntrv);
I16 AI_ContReadChannel(U16 CardNumber, U16 Channel, U16 AdRange, void* Buffer, U32 ReadCount, F64 SampleRate,
                       U16 SyncMode);
I16 AI_ContReadChannelToFile(U16 CardNumber, U16 Channel, U16 AdRange, char* FileName, U32 ReadCount,
                             F64 SampleRate, U16 SyncMode);
I16 AI_ContScanChannels(U16 CardNumber, U16 Channel, U16 AdRange, void* Buffer, U32 ReadCount, F64 SampleRate,
                        U16 SyncMode);
I16 AI_ContScanChannelsToFile(U16 CardNumber, U16 Channel, U16 AdRange, char* FileName, U32 ReadCount,
                              F64 SampleRate, U16 SyncMode);
I16 AI_AsyncDblBufferHalfReady(U16 CardNumber, BOOLEAN* HalfReady, BOOLEAN* StopFlag);
I16 AI_AsyncDblBufferTransfer(U16 CardNumber, void* Buffer);
I16 AI_AsyncCheck(U16 CardNumber, BOOLEAN* Stopped, U32* AccessCnt);
I16 AI_AsyncClear(U16 CardNumber, U32* AccessCnt);
I16 AI_ContVScale(U16 CardNumber, U16 AdRange, void* Buffer, F64* VoltageArray, I32 Count);

I16 DIO_PortConfig(U16 CardNumber, U16 Port, U16 Direction);
I16 DI_ReadPort(U16 CardNumber, U16 Port, void* Value);
I16 DI_ReadLine(U16 CardNumber, U16 Port, U16 Line, void* State);
I16 DO_WritePort(U16 CardNumber, U16 Port, U32 Value);
I16 DO_WriteLine(U16 CardNumber, U16 Port, U16 Line, U16 State);
I16 DO_ReadPort(U16 CardNumber, U16 Port, void* Value);
I16 DO_ReadLine(U16 CardNumber, U16 Port, U16 Line, void* State);

I16 DI_InitialMemoryAllocated(U16 CardNumber, U32* MemSize);
I16 DI_D210_Config(U16 CardNumber, U16 TrigSource, U16 WaitStatus, U16 TrigPolarity, U16 I_REQ_Polarity);
I16 DI_D260B_Config(U16 CardNumber, U16 PortWidth, U16 TrigSource, U16 WaitStatus, U16 Terminator,
                    U16 I_Cntrl_Pol, BOOLEAN ClearFifo, BOOLEAN DisableDI);
I16 DI_AsyncDblBufferMode(U16 CardNumber, BOOLEAN Enable);
I16 DI_ContReadPort(U16 CardNumber, U16 Port, void* Buffer, U32 ReadCount, F64 SampleRate, U16 SyncMode);
I16 DI_ContReadPortToFile(U16 CardNumber, U16 Port, char* FileName, U32 ReadCount, F64 SampleRate,
                          U16 SyncMode);
I16 DI_AsyncDblBufferHalfReady(U16 CardNumber, BOOLEAN* HalfReady);
I16 DI_AsyncDblBufferTransfer(U16 CardNumber, void* Buffer);
I16 DI_ContMultiBufferSetup(U16 CardNumber, void* Buffer, U32 ReadCount, U16* BufferId);
I16 DI_ContMultiBufferStart(U16 CardNumber, U16 Port, F64 SampleRate);
I16 DI_AsyncMultiBufferNextReady(U16 CardNumber, BOOLEAN* NextReady, U16* BufferId);
I16 DI_AsyncCheck(U16 CardNumber, BOOLEAN* Stopped, U32* AccessCnt);
I16 DI_AsyncClear(U16 CardNumber, U32* AccessCnt);

I16 DO_InitialMemoryAllocated(U16 CardNumber, U32* MemSize);
I16 DO_D210_Config(U16 CardNumber, U16 TrigSource, U16 OREQ_Enable, U16 OTrigLevel);
I16 DO_D260B_Config(U16 CardNumber, U16 PortWidth, U16 TrigSource, U16 WaitStatus, U16 Terminator,
                    U16 O_Cntrl_Pol, U32 FifoThreshold);
I16 DO_ContWritePort(U16 CardNumber, U16 Port, void* Buffer, U32 WriteCount, U16 Iterations, F64 SampleRate,
                     U16 SyncMode);
I16 DO_ContMultiBufferSetup(U16 CardNumber, void* Buffer, U32 WriteCount, U16* BufferId);
I16 DO_ContMultiBufferStart(U16 CardNumber, U16 Port, F64 SampleRate);
I16 DO_AsyncMultiBufferNextReady(U16 CardNumber, BOOLEAN* NextReady, U16* BufferId);
I16 DO_AsyncCheck(U16 CardNumber, BOOLEAN* Stopped, U32* WriteCnt);
I16 DO_AsyncClear(U16 CardNumber, U32* WriteCnt);

I16 CTR_Setup(U16 CardNumber, U16 Ctr, U16 Mode, U32 Count, U16 BinBcd);
I16 CTR_Read(U16 CardNumber, U16 Ctr, U32* Value);
I16 CTR_Clear(U16 CardNumber, U16 Ctr, U16 State);
I16 CTR_T310_CK1_Config(U16 CardNumber, U16 CK1Source);
I16 CTR_T310_ClkSrc_Config(U16 CardNumber, U16 Ctr, U16 ClockSource);

/* Interrupts: the event message calls take no window (NULL) and a callback address */
I16 DIO_SetDualInterrupt(U16 CardNumber, I16 Int1Mode, I16 Int2Mode, HANDLE* Events);
I16 DIO_D260SetInterrupt(U16 CardNumber, I16 AuxDIEn, I16 T2En, HANDLE* Events);
I16 DIO_SetCOSInterrupt(U16 CardNumber, U16 Port, U16 CtlA, U16 CtlB, U16 CtlC);
I16 DIO_SetCOSInterrupt32(U16 CardNumber, U8 Port, U32 Ctl, HANDLE* Event, BOOLEAN ManualReset);
I16 DIO_INT1_EventMessage(U16 CardNumber, I16 Int1Mode, void* Window, void* Message, void* Callback);
I16 DIO_INT2_EventMessage(U16 CardNumber, I16 Int2Mode, void* Window, void* Message, void* Callback);
I16 DIO_AUXDI_EventMessage(U16 CardNumber, I16 AuxDIEn, void* Window, void* Message, void* Callback);
I16 DIO_T2_EventMessage(U16 CardNumber, I16 T2En, void* Window, void* Message, void* Callback);
I16 DIO_INT_Event_Message(U16 CardNumber, HANDLE Event, void* Window, void* Message, void* Callback);

#endif
