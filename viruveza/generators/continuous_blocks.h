#pragma once
// Blocks the classic continuous writers share: the transfer variables, the driver-memory check,
// the wait for an asynchronous transfer and the loop that drains ready buffers.

#include "viruveza/generators/code_writer.h"

namespace doz::generators {

// "ASYNCH_OP" when the record runs a double buffer or is not synchronous, else "SYNCH_OP".
const char* SyncOperation(const DeviceSetup& record);

// The flags and counts of a transfer: fstop, HalfReady (each only when asked for), the
// transfer count variable (AccessCnt or WriteCnt) and MemSize, all starting at 0.
void WriteTransferVariables(CodeWriter& writer, bool fstop, bool halfReady, const char* countVariable);

// The check of the driver's memory against `count` elements of `elementType`.
void WriteMemoryCheck(CodeWriter& writer, const char* count, const char* elementType);

// Waiting for an asynchronous transfer of the `api` ("AI", "DI", "DO") to stop, then clearing it.
void WriteAsyncWait(CodeWriter& writer, const char* api, const char* countVariable);

// The head of a loop over ready buffers: wait with `readyCall` until HalfReady, then `comment`.
void WriteReadyLoopHead(CodeWriter& writer, const char* readyCall, const char* comment);

// The end of that loop, left for the user to complete, and the clearing of the transfer.
void WriteReadyLoopEnd(CodeWriter& writer, const char* api, const char* countVariable);

// The error stub of a call inside a loop.
void WriteLoopErrCheck(CodeWriter& writer);

} // namespace doz::generators
