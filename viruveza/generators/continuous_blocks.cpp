#include "viruveza/generators/continuous_blocks.h"

namespace doz::generators {

const char* SyncOperation(const DeviceSetup& record) {
    return record.doubleBuffer != 0 || record.syncMode != 1 ? "ASYNCH_OP" : "SYNCH_OP";
}

void WriteTransferVariables(CodeWriter& writer, bool fstop, bool halfReady, const char* countVariable) {
    if (fstop)
        writer.putf("BOOLEAN fstop = %d;\n", 0);
    if (halfReady)
        writer.putf("BOOLEAN HalfReady = %d;\n", 0);
    writer.putf("U32 %s = %u;\n", countVariable, 0u);
    writer.putf("U32 MemSize   = %u;\n", 0u);
}

void WriteMemoryCheck(CodeWriter& writer, const char* count, const char* elementType) {
    writer.putf("\tif (MemSize*1024 < %s*sizeof(%s) ) {\n", count, elementType);
    writer.put("\t       //available memory size for analog input in the device driver\n"
               "\t       //is smaller than the data size specified!!\n"
               "\t       //ToDo : do something here\n"
               "\t}\n");
}

void WriteAsyncWait(CodeWriter& writer, const char* api, const char* countVariable) {
    writer.put("\tdo {\n");
    writer.putf("\t       %s_AsyncCheck(cardID, &fstop, &%s);\n", api, countVariable);
    writer.put("\t} while (!fstop);\n");
    writer.putf("\terr = %s_AsyncClear(cardID, &%s);\n", api, countVariable);
    writer.errCheck();
}

void WriteReadyLoopHead(CodeWriter& writer, const char* readyCall, const char* comment) {
    writer.put("\tdo {\n");
    writer.put("\t       do {\n");
    writer.putf("\t            %s\n", readyCall);
    writer.put("\t       } while (!HalfReady);\n");
    writer.putf("\t       %s\n", comment);
}

void WriteReadyLoopEnd(CodeWriter& writer, const char* api, const char* countVariable) {
    writer.put("\t} while (//here to add the condition to continue the acquisition);\n");
    writer.putf("\terr = %s_AsyncClear(cardID, &%s);\n", api, countVariable);
    writer.errCheck();
}

void WriteLoopErrCheck(CodeWriter& writer) {
    writer.put("\t       if (err!=NoError) {\n"
               "\t            //Error occurs !!\n"
               "\t            //ToDo : Handle error here\n"
               "\t       }\n");
}

} // namespace doz::generators
