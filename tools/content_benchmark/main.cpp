// Times the headless side of the content view over the large demo device:
// building the rows of 50,000 songs, taking their copies, filling the filter
// lists, one search and one filter change. Prints the figures; not a test.
//
//   make -C build demo-device-large content_benchmark
//   build/tools/content_benchmark [<device folder>]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include <wx/app.h>
#include <wx/init.h>
#include <wx/log.h>

#include "content/content_kind.h"
#include "content/media_filter.h"
#include "content/media_rows.h"
#include "content/picture_rows.h"
#include "content/public_list_view_copy.h"
#include "content/record_rows.h"
#include "device/detection.h"
#include "device/device_table.h"

namespace {

const int kRuns = 9;

// Runs work kRuns times (setup before each run, untimed) and prints the
// median and best time with the row count that count() reads afterwards.
void Bench(const char* label, const std::function<void()>& work, const std::function<size_t()>& count,
           const std::function<void()>& setup = nullptr)
{
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        if (setup)
            setup();
        const auto start = std::chrono::steady_clock::now();
        work();
        const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
        times.push_back(spent.count());
    }
    std::sort(times.begin(), times.end());
    std::printf("%-58s %8.2f ms (best %8.2f)  %zu rows\n", label, times[times.size() / 2], times.front(), count());
}

} // namespace

int main(int argc, char** argv)
{
    wxInitializer initializer(argc, argv);
    if (!initializer.IsOk())
        return 2;
    wxLog::SetLogLevel(wxLOG_FatalError);

    const std::string device = argc > 1 ? argv[1] : HANDOVER_STAGE_DIR "/demo-device-large/large-iphone";
    setenv("HANDOVER_DEVICES", device.c_str(), 1);
    const auto detectStart = std::chrono::steady_clock::now();
    RunDetection(nullptr);
    const std::chrono::duration<double, std::milli> detectTime = std::chrono::steady_clock::now() - detectStart;
    unsetenv("HANDOVER_DEVICES");

    wxMutexLocker lock(deviceTable.deviceTableMutex);
    if (deviceTable.deviceCount < 1 || !deviceTable.slots[0].inUse || deviceTable.slots[0].music == nullptr) {
        std::fprintf(stderr, "No usable device with music at %s (run make demo-device-large)\n", device.c_str());
        return 1;
    }
    const DeviceSlot& slot = deviceTable.slots[0];
    std::printf("detection (reads every list of the device, once)           %8.2f ms\n\n", detectTime.count());

    std::vector<ContentRow> rows;
    Bench("BuildMediaRows, music", [&] { rows = BuildMediaRows(kKindMusic, slot.music); },
          [&] { return rows.size(); });
    const size_t songCount = rows.size();

    std::vector<ContentRow> fresh;
    Bench("PublicListViewCopy::Assign (takes the rows, search texts)",
          [&] { publicListViewCopy.Assign(ContentList::Media, TypeIconPath(kKindMusic), std::move(fresh)); },
          [] { return publicListViewCopy.Count(); }, [&] { fresh = rows; });

    std::vector<wxString> genres;
    std::vector<wxString> artists;
    std::vector<wxString> albums;
    Bench("BuildFilterRows, genre + artist + album",
          [&] {
              genres = BuildFilterRows(publicListViewCopy, FilterColumn::Genre);
              artists = BuildFilterRows(publicListViewCopy, FilterColumn::Artist);
              albums = BuildFilterRows(publicListViewCopy, FilterColumn::Album);
          },
          [&] { return genres.size() + artists.size() + albums.size(); });

    std::printf("\nSearch over %zu songs:\n", songCount);
    std::vector<size_t> shown;
    for (const char* query : {"BEAT", "song 4", "s", "0:3:21", "zzzz", "artist 49", ""}) {
        const std::string label = std::string("  Search(\"") + query + "\")";
        Bench(label.c_str(), [&] { shown = publicListViewCopy.Search(query); }, [&] { return shown.size(); });
    }

    std::printf("\nFilter change over %zu songs:\n", songCount);
    Bench("  genre row 2 (rock: Rock and rock)",
          [&] { shown = FilterMediaRows(publicListViewCopy, FilterColumn::Genre, genres, 2); },
          [&] { return shown.size(); });
    Bench("  album row 100",
          [&] { shown = FilterMediaRows(publicListViewCopy, FilterColumn::Album, albums, 100); },
          [&] { return shown.size(); });
    Bench("  (All)", [&] { shown = FilterMediaRows(publicListViewCopy, FilterColumn::Genre, genres, 0); },
          [&] { return shown.size(); });

    std::printf("\nOther lists:\n");
    std::vector<PictureRow> pictures;
    Bench("BuildPictureRows, camera roll", [&] { pictures = BuildPictureRows(slot.cameraRoll); },
          [&] { return pictures.size(); });
    std::vector<PictureIconViewData> icons;
    Bench("BuildPictureIcons, camera roll", [&] { icons = BuildPictureIcons(slot.cameraRoll); },
          [&] { return icons.size(); });
    std::vector<ContentRow> records;
    Bench("BuildContactRows", [&] { records = BuildContactRows(slot.sortedContacts); },
          [&] { return records.size(); });
    Bench("BuildConversationRows", [&] { records = BuildConversationRows(slot.messages); },
          [&] { return records.size(); });
    Bench("BuildPlaylistRows, all playlists", [&] { records = BuildPlaylistRows(kKindPlaylists, slot.playlists); },
          [&] { return records.size(); });

    publicListViewCopy.Clear();
    return 0;
}
