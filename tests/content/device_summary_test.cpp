// The values of the device summary page.
#include <gtest/gtest.h>

#include "app/language.h"
#include "content/device_summary.h"
#include "plist_fixture.h"

TEST(DeviceSummary, PictureByTheFirstKnownNameInTheType)
{
    struct Case {
        const char* type;
        const char* file;
    };
    const Case cases[] = {
        {"iPad mini", "ipad.png"},     {"iPhone", "iphone.png"},   {"Anna's iPhone 15", "iphone.png"},
        {"iPod touch", "ipod.png"},    {"iPad with iPhone", "ipad.png"},
        {"Watch", "unknow.png"},       {"ipad", "unknow.png"},     {"", "unknow.png"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DevicePicturePath(c.type), wxString("image/client/device-info/") + c.file) << c.type;
}

TEST(DeviceSummary, FullInformationFillsTextsBarAndLegend)
{
    InstallLocale(kLanguageEnglish);
    PlistPtr info(Dict({{"DeviceName", "Anna's iPad"},
                        {"Type", "iPad mini"},
                        {"Version", "16.7.2"},
                        {"SerialNumber", "DMP1"},
                        {"Catacity", std::uint64_t{32000000000}},
                        {"Audio", std::uint64_t{8000000000}},
                        {"Video", std::uint64_t{4000000000}},
                        {"Photos", std::uint64_t{3200000000}},
                        {"Others", std::uint64_t{1600000000}},
                        {"Available", std::uint64_t{15200000000}}}));
    const DeviceSummary summary = BuildDeviceSummary(info.get());
    EXPECT_EQ(summary.picturePath, "image/client/device-info/ipad.png");
    EXPECT_EQ(summary.name, "Anna's iPad");
    EXPECT_EQ(summary.type, "iPad mini");
    EXPECT_EQ(summary.version, "16.7.2");
    EXPECT_EQ(summary.serialNumber, "DMP1");
    EXPECT_EQ(summary.capacity, "29.80GB");
    EXPECT_DOUBLE_EQ(summary.fractions[kPartAudio], 0.25);
    EXPECT_DOUBLE_EQ(summary.fractions[kPartVideo], 0.125);
    EXPECT_DOUBLE_EQ(summary.fractions[kPartPhoto], 0.1);
    EXPECT_DOUBLE_EQ(summary.fractions[kPartOthers], 0.05);
    EXPECT_DOUBLE_EQ(summary.fractions[kPartAvailable], 0.475);
    EXPECT_EQ(summary.legendValues[kPartAudio], "7.45GB");
    EXPECT_EQ(summary.legendValues[kPartAvailable], "14.16GB");
}

TEST(DeviceSummary, MissingFiguresGiveUnknownCapacity)
{
    InstallLocale(kLanguageEnglish);
    PlistPtr noAvailable(Dict({{"Type", "iPhone"}, {"Catacity", std::uint64_t{32000000000}},
                               {"Audio", std::uint64_t{8000000000}}}));
    DeviceSummary summary = BuildDeviceSummary(noAvailable.get());
    EXPECT_EQ(summary.capacity, "unknown");
    EXPECT_TRUE(summary.legendValues[kPartAvailable].empty());
    EXPECT_DOUBLE_EQ(summary.fractions[kPartAudio], 0.25);
    EXPECT_EQ(summary.legendValues[kPartVideo], "0KB");  // a missing part counts 0
    EXPECT_DOUBLE_EQ(summary.fractions[kPartVideo], 0.0);

    // Without a capacity (or with 0) nothing is divided: no used parts.
    PlistPtr noCapacity(Dict({{"Audio", std::uint64_t{8000}}, {"Available", std::uint64_t{100}}}));
    PlistPtr zeroCapacity(Dict({{"Catacity", std::uint64_t{0}}, {"Audio", std::uint64_t{8000}},
                                {"Available", std::uint64_t{100}}}));
    for (plist_t info : {noCapacity.get(), zeroCapacity.get()}) {
        summary = BuildDeviceSummary(info);
        EXPECT_EQ(summary.capacity, "unknown");
        EXPECT_EQ(summary.legendValues[kPartAudio], "7.81KB");
        EXPECT_TRUE(summary.legendValues[kPartAvailable].empty());
        for (double fraction : summary.fractions)
            EXPECT_DOUBLE_EQ(fraction, 0.0);
    }

    // A part larger than the capacity fills the bar and no more.
    PlistPtr overfull(Dict({{"Catacity", std::uint64_t{10}}, {"Video", std::uint64_t{1000000000000}},
                            {"Available", std::uint64_t{0}}}));
    summary = BuildDeviceSummary(overfull.get());
    EXPECT_DOUBLE_EQ(summary.fractions[kPartVideo], 1.0);
    EXPECT_EQ(summary.capacity, "0.01KB");

    summary = BuildDeviceSummary(nullptr);
    EXPECT_EQ(summary.picturePath, "image/client/device-info/unknow.png");
    EXPECT_TRUE(summary.name.empty());
    EXPECT_EQ(summary.capacity, "unknown");
}

TEST(DeviceSummary, CaptionsAndImagesFollowTheLanguageAndPartOrder)
{
    InstallLocale(kLanguageGerman);
    const DeviceSummaryCaptions german = TranslatedDeviceSummaryCaptions();
    EXPECT_EQ(german.type, "Typ: ");
    EXPECT_EQ(german.legend[kPartPhoto], "Foto");
    PlistPtr empty(Dict({}));
    EXPECT_EQ(BuildDeviceSummary(empty.get()).capacity, "unbekannt");

    InstallLocale(kLanguageEnglish);
    const DeviceSummaryCaptions english = TranslatedDeviceSummaryCaptions();
    EXPECT_EQ(english.serialNumber, "Serial number: ");
    EXPECT_EQ(english.legend[kPartAvailable], "Available");

    EXPECT_EQ(StoragePartImagePath(kPartAudio), "image/client/device-info/percentage_audio.png");
    EXPECT_EQ(StoragePartImagePath(kPartAvailable), "image/client/device-info/percentage_available.png");
    EXPECT_EQ(LegendSampleImagePath(kPartOthers), "image/client/device-info/sample_others.png");
    EXPECT_TRUE(LegendSampleImagePath(kStoragePartCount).empty());
}
