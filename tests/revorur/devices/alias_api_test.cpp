#include "alias_store_fixture.h"

#include <sys/stat.h>

namespace doz::devices::test {
namespace {

class AliasHelpers : public AliasStoreFixture {};

TEST_F(AliasHelpers, TheLoadedTableIsTheLibrarysOwnFunctions) {
    // The library is part of this test program, so loading it by name finds that copy.
    const AliasApi& loaded = LoadedAliasApi();
    ASSERT_TRUE(loaded.loaded());
    EXPECT_EQ(loaded.Add, &AliasApiAdd);
    EXPECT_EQ(loaded.GetAlias, &AliasApiGetAlias);
    EXPECT_EQ(&LoadedAliasApi(), &loaded);
    AliasApi partial = realAliasApi();
    partial.Check = nullptr;
    EXPECT_FALSE(partial.loaded());
}

TEST_F(AliasHelpers, AMissingLibraryFindsNothingAndChangesNothing) {
    seed("Scope", 470, 0);
    const AliasApi missing;
    EXPECT_FALSE(missing.loaded());
    EXPECT_EQ(AliasOf(missing, store, 470, 0), std::nullopt);
    EXPECT_TRUE(AllAliases(missing, store).empty());
    EXPECT_FALSE(DeviceOfAlias(missing, store, "Scope"));
    EXPECT_FALSE(FindCardAlias(missing, store, 470, 0));
    DeleteCardAlias(missing, store, 470, 0);
    const int codes[] = {460, 470, 480};
    EXPECT_EQ(ReplaceCardAlias(missing, store, codes, 0, "Other", 470), AliasChange::Failed);
    EXPECT_EQ(aliasOf(470, 0), "Scope");
}

TEST_F(AliasHelpers, ListsAliasesAndTheirCards) {
    seed("Scope", 470, 0);
    seed("Line A", 330, 1);
    EXPECT_EQ(AllAliases(api, store), (std::vector<std::string>{"Scope", "Line A"}));
    const auto device = DeviceOfAlias(api, store, "Line A");
    ASSERT_TRUE(device);
    EXPECT_EQ(device->typeCode, 330);
    EXPECT_EQ(device->cardNumber, 1);
    EXPECT_FALSE(DeviceOfAlias(api, store, "Nobody"));
    EXPECT_TRUE(AllAliases(api, (folder.path() / "absent.ini").string()).empty());
}

TEST_F(AliasHelpers, GroupCardsAreFoundUnderAnyCodeOfTheirGroupInAliasOrder) {
    seed("Hg", 380, 2);
    // From the head, from the code itself, and from a later code going round the group.
    for (const int start : {370, 380, 400}) {
        const auto found = FindCardAlias(api, store, start, 2);
        ASSERT_TRUE(found) << start;
        EXPECT_EQ(found->alias, "Hg");
        EXPECT_EQ(found->code, 380);
    }
    EXPECT_FALSE(FindCardAlias(api, store, 370, 3));

    // The S720 group looks at 470, then 460, then 480.
    seed("S710 card", 460, 0);
    seed("S720A card", 480, 0);
    EXPECT_EQ(FindCardAlias(api, store, 470, 0)->code, 460);
    EXPECT_EQ(FindCardAlias(api, store, 480, 0)->code, 480);

    // Outside the groups only the code itself counts.
    seed("Dio", 80, 0);
    EXPECT_EQ(FindCardAlias(api, store, 80, 0)->alias, "Dio");
    EXPECT_FALSE(FindCardAlias(api, store, 90, 0));
    EXPECT_FALSE(FindCardAlias(api, store, 1, 0));
}

TEST_F(AliasHelpers, DeleteRemovesTheFirstAliasFromTheGroupHead) {
    seed("Second", 20, 1);
    seed("Third", 30, 1);
    seed("Other card", 10, 2);
    DeleteCardAlias(api, store, 30, 1); // whatever the card's own code, the head's order counts
    EXPECT_EQ(aliasOf(20, 1), std::nullopt);
    EXPECT_EQ(aliasOf(30, 1), "Third");
    EXPECT_EQ(aliasOf(10, 2), "Other card");

    seed("Virtual", 1, 0);
    DeleteCardAlias(api, store, 1, 0);
    DeleteCardAlias(api, store, 1, 0); // a card without alias: nothing happens
    EXPECT_EQ(aliasOf(1, 0), std::nullopt);
    EXPECT_EQ(AllAliases(api, store), (std::vector<std::string>{"Third", "Other card"}));
}

TEST_F(AliasHelpers, AliasCodesAreTheWholeGroupOrTheCodeAlone) {
    EXPECT_EQ(AliasCodesOfCard(20), (std::vector<int>{10, 20, 30}));
    EXPECT_EQ(AliasCodesOfCard(340), (std::vector<int>{330, 340}));
    EXPECT_EQ(AliasCodesOfCard(400), (std::vector<int>{370, 380, 390, 400}));
    EXPECT_EQ(AliasCodesOfCard(420), (std::vector<int>{420, 430, 440}));
    EXPECT_EQ(AliasCodesOfCard(470), (std::vector<int>{460, 470, 480}));
    EXPECT_EQ(AliasCodesOfCard(50), (std::vector<int>{50})); // A130 has the generic dialog
    EXPECT_EQ(AliasCodesOfCard(1), (std::vector<int>{1}));
}

TEST_F(AliasHelpers, ReplacingNeverLosesTheOldAliasOfARefusedText) {
    const std::vector<int> m640 = AliasCodesOfCard(370);
    seed("Bench", 380, 2);
    seed("Taken", 330, 0);

    // The same alias again passes: the old one is gone before the check.
    EXPECT_EQ(ReplaceCardAlias(api, store, m640, 2, "Bench", 380), AliasChange::Stored);
    EXPECT_EQ(aliasOf(380, 2), "Bench");

    for (const char* refused : {"Taken", "TAKEN", " Bench", "a=b", "abcdefghijklmnopqrstuvwxyz123456"}) {
        EXPECT_EQ(ReplaceCardAlias(api, store, m640, 2, refused, 390), AliasChange::Rejected) << refused;
        EXPECT_EQ(aliasOf(380, 2), "Bench") << refused;
        EXPECT_EQ(aliasOf(390, 2), std::nullopt) << refused;
    }

    EXPECT_EQ(ReplaceCardAlias(api, store, m640, 2, "Renamed", 390), AliasChange::Stored);
    EXPECT_EQ(aliasOf(380, 2), std::nullopt);
    EXPECT_EQ(aliasOf(390, 2), "Renamed");

    EXPECT_EQ(ReplaceCardAlias(api, store, m640, 2, "", 370), AliasChange::Removed);
    EXPECT_FALSE(FindCardAlias(api, store, 370, 2));
    EXPECT_EQ(aliasOf(330, 0), "Taken");
}

TEST_F(AliasHelpers, AStoreThatCannotBeWrittenKeepsTheOldAlias) {
    seed("Bench", 80, 0);
    const int codes[] = {80};
    AliasApi failingAdd = realAliasApi();
    failingAdd.Add = [](const char* store, const char* alias, int32_t type, int32_t card) -> int32_t {
        return std::string(alias) == "New" ? ALIAS_ERR_FILE : AliasApiAdd(store, alias, type, card);
    };
    EXPECT_EQ(ReplaceCardAlias(failingAdd, store, codes, 0, "New", 80), AliasChange::Failed);
    EXPECT_EQ(aliasOf(80, 0), "Bench");

    AliasApi failingRemove = realAliasApi();
    failingRemove.Remove = [](const char*, const char*) -> int32_t { return ALIAS_ERR_FILE; };
    EXPECT_EQ(ReplaceCardAlias(failingRemove, store, codes, 0, "New", 80), AliasChange::Failed);
    EXPECT_EQ(ReplaceCardAlias(failingRemove, store, codes, 0, "", 80), AliasChange::Failed);
    EXPECT_EQ(aliasOf(80, 0), "Bench");
}

} // namespace
} // namespace doz::devices::test
