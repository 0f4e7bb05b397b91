#include "viruveza/generators/output_path.h"

#include <gtest/gtest.h>

namespace doz::generators {

TEST(TxtExtension, AppendedWhenTheNameHoldsNoTxt) {
    EXPECT_EQ(WithTxtExtension("DaqCode01"), "DaqCode01.txt");
    EXPECT_EQ(WithTxtExtension("/home/user/code/DaqCode01"), "/home/user/code/DaqCode01.txt");
    EXPECT_EQ(WithTxtExtension("code.c"), "code.c.txt");
    EXPECT_EQ(WithTxtExtension("code.tx"), "code.tx.txt");
    EXPECT_EQ(WithTxtExtension("codetxt"), "codetxt.txt");
}

TEST(TxtExtension, KeptWhenTheNameHoldsTxtInAnyCase) {
    EXPECT_EQ(WithTxtExtension("DaqCode01.txt"), "DaqCode01.txt");
    EXPECT_EQ(WithTxtExtension("DaqCode01.TXT"), "DaqCode01.TXT");
    EXPECT_EQ(WithTxtExtension("/tmp/Code.TxT.c"), "/tmp/Code.TxT.c");
    EXPECT_EQ(WithTxtExtension("a.txtfile"), "a.txtfile");
}

TEST(TxtExtension, OnlyTheFileNameCounts) {
    EXPECT_EQ(WithTxtExtension("notes.txt/DaqCode01"), "notes.txt/DaqCode01.txt");
}

} // namespace doz::generators
