// The installed products as the registry lists them, and the recommendation request made from them.

#include "revorur/software/product_registry.h"
#include "revorur/software/update_request.h"
#include "tests/support/temp_registry.h"

#include <QUrl>
#include <QUrlQuery>

namespace doz::software {
namespace {

using ProductRegistryTest = test::RegistryTest;

const std::string Page(kRecommendationPage);

std::string productKey(const std::string& name) {
    return "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Dozazar\\" + name + "\\CurrentVersion]\n";
}

QUrlQuery queryOf(const std::string& address) {
    return QUrlQuery(QUrl(QString::fromStdString(address)));
}

TEST_F(ProductRegistryTest, VersionlessProductsReportUnknowVersionSoTheListsStayAligned) {
    writeHive("REGEDIT4\n\n" + productKey("AlphaDrv") + "\"Version\"=\"2.1\"\n\n" + productKey("BetaKit") +
              "\"Version\"=\"\"\n\n");
    const auto products = registeredProducts();
    ASSERT_EQ(products.size(), 2u);
    EXPECT_EQ(products[0].name, "AlphaDrv");
    EXPECT_EQ(products[0].version, "2.1");
    EXPECT_EQ(products[1].name, "BetaKit");
    EXPECT_EQ(products[1].version, "Unknow Version");

    const std::string address = updateRequestAddress(products);
    EXPECT_EQ(address, Page + "SW=AlphaDrv,BetaKit&VR=2.1,Unknow%20Version");
    const QUrlQuery query = queryOf(address);
    EXPECT_EQ(query.queryItemValue("SW", QUrl::FullyDecoded), "AlphaDrv,BetaKit");
    EXPECT_EQ(query.queryItemValue("VR", QUrl::FullyDecoded), "2.1,Unknow Version");
}

TEST_F(ProductRegistryTest, SubkeysWithoutVersionKeyOrVersionValue) {
    // "Gamma" has a product key but no version key; "Delta" a version key without "Version".
    writeHive("REGEDIT4\n\n" + productKey("Alpha") + "\"Version\"=\"3.0\"\n\n" + productKey("Delta") +
              "\"path\"=\"/opt/delta/\"\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Dozazar\\Gamma]\n\"x\"=\"y\"\n\n" +
              productKey("Zeta") + "\"Version\"=\"1.4\"\n\n");
    const std::string address = updateRequestAddress(registeredProducts());
    EXPECT_EQ(address, Page + "SW=Alpha,Delta,Gamma,Zeta&VR=3.0,Unknow%20Version,Unknow%20Version,1.4");
    EXPECT_FALSE(isInstalled("Gamma"));
    EXPECT_TRUE(isInstalled("Delta"));
    EXPECT_TRUE(isInstalled("zeta")) << "registry names ignore case";
}

TEST_F(ProductRegistryTest, NoMakerKeyGivesEmptyLists) {
    writeHive(
        "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Other\\Thing\\CurrentVersion]\n\"Version\"=\"1\"\n\n");
    EXPECT_TRUE(registeredProducts().empty());
    EXPECT_EQ(updateRequestAddress(registeredProducts()), Page + "SW=&VR=");
}

TEST_F(ProductRegistryTest, NamesAndVersionsAreEncodedSoTheyStayOneItem) {
    writeHive("REGEDIT4\n\n" + productKey("R&D Kit") + "\"Version\"=\"1.0 beta,2\"\n\n" +
              productKey("Messger\xC3\xA4t#1") + "\"Version\"=\"5%\"\n\n");
    const std::string address = updateRequestAddress(registeredProducts());
    EXPECT_EQ(address, Page + "SW=Messger%C3%A4t%231,R%26D%20Kit&VR=5%25,1.0%20beta%2C2");
    EXPECT_EQ(address.find('"'), std::string::npos);
    EXPECT_EQ(address.find(' '), std::string::npos);

    const QUrl url(QString::fromStdString(address));
    ASSERT_TRUE(url.isValid());
    EXPECT_TRUE(url.fragment().isEmpty()) << "a '#' in a name does not cut the address";
    const QUrlQuery query(url);
    EXPECT_EQ(query.queryItems().size(), 2) << "an '&' in a name does not start a new item";
    EXPECT_EQ(query.queryItemValue("SW", QUrl::FullyDecoded),
              QString::fromUtf8("Messger\xC3\xA4t#1,R&D Kit"));
}

TEST(PercentEncoding, KeepsOnlyUnreservedCharacters) {
    EXPECT_EQ(percentEncoded("Az09-._~"), "Az09-._~");
    EXPECT_EQ(percentEncoded("a b&c=d/e?f\"g"), "a%20b%26c%3Dd%2Fe%3Ff%22g");
    EXPECT_EQ(percentEncoded("\xE2\x82\xAC"), "%E2%82%AC");
    EXPECT_EQ(percentEncoded(""), "");
}

} // namespace
} // namespace doz::software
