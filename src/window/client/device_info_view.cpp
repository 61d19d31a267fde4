#include "window/client/device_info_view.h"

#include <wx/gbsizer.h>
#include <wx/intl.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "common/image_util.h"
#include "window/base/sk_histogram_ctrl.h"

namespace {

const char kUnknownPicture[] = "image/client/device-info/unknow.png";
constexpr int kBarHeight = 28;
constexpr double kBarCornerRadius = 3.25;

wxFont SummaryFont(int points, wxFontStyle style, wxFontWeight weight, bool roman)
{
    wxFont font = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
    font.SetPointSize(points);
    font.SetStyle(style);
    font.SetWeight(weight);
    if (roman)
        font.SetFamily(wxFONTFAMILY_ROMAN);
    return font;
}

wxStaticText* MakeText(wxWindow* parent, const wxFont& font)
{
    auto* text = new wxStaticText(parent, wxID_ANY, wxString());
    text->SetFont(font);
    return text;
}

// Sets a text and makes room for it. The size GTK reports for a label while
// its page is hidden still reflects the default font, not the larger one set
// here, so the sizers would cut the text; the toolkit's own measurement with
// the text's font is exact.
void SetFittedLabel(wxStaticText* text, const wxString& label)
{
    text->SetLabel(label);
    text->SetMinSize(label.empty() ? wxSize(0, 0) : text->GetTextExtent(label));
}

} // namespace

DeviceInfoView::DeviceInfoView(wxWindow* parent, const wxPoint& position, const wxSize& size,
                               const wxBitmap& backgroundImage)
    : background(backgroundImage)
{
    Create(parent, wxID_ANY, position, size, wxTAB_TRAVERSAL | wxBORDER_NONE);
    if (background.IsOk())
        SetBackgroundBitmap(background);

    const wxFont captionFont = SummaryFont(12, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_BOLD, false);
    const wxFont valueFont = SummaryFont(12, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL, false);

    picturePath = kUnknownPicture;
    deviceImage = new wxStaticBitmap(this, wxID_ANY, GetThemeBitmap(picturePath));
    nameLabel = MakeText(this, valueFont);
    typeCaption = MakeText(this, captionFont);
    typeValue = MakeText(this, valueFont);
    capacityCaption = MakeText(this, captionFont);
    capacityValue = MakeText(this, valueFont);
    versionCaption = MakeText(this, captionFont);
    versionValue = MakeText(this, valueFont);
    serialCaption = MakeText(this, captionFont);
    serialValue = MakeText(this, valueFont);

    auto* imageAndInformation = new wxGridSizer(2, 0, 0);
    imageAndInformation->Add(deviceImage, 0, wxALIGN_CENTER_VERTICAL | wxALIGN_RIGHT | wxRIGHT, 40);
    imageAndInformation->Add(BuildInformationGrid(), 0, wxALIGN_CENTER_VERTICAL | wxLEFT, 20);

    auto* mainSizer = new wxGridBagSizer(0, 0);
    mainSizer->Add(imageAndInformation, wxGBPosition(0, 0), wxGBSpan(3, 2), wxEXPAND);
    mainSizer->Add(BuildStorageBlock(), wxGBPosition(3, 0), wxGBSpan(1, 2), wxEXPAND);
    for (int column = 0; column < 2; ++column)
        mainSizer->AddGrowableCol(column);
    for (int row = 0; row < 4; ++row)
        mainSizer->AddGrowableRow(row);
    SetSizer(mainSizer);

    UpdateLabels();
    Layout();
}

wxSizer* DeviceInfoView::BuildInformationGrid()
{
    auto* grid = new wxGridBagSizer(0, 0);
    grid->Add(nameLabel, wxGBPosition(0, 1));
    wxStaticText* captions[] = {typeCaption, capacityCaption, versionCaption, serialCaption};
    wxStaticText* values[] = {typeValue, capacityValue, versionValue, serialValue};
    for (int row = 0; row < 4; ++row) {
        // Centred in the row: a caption in a Chinese or Japanese font is
        // taller than its value in a Latin one, and both stay on one line.
        grid->Add(captions[row], wxGBPosition(row + 1, 0), wxDefaultSpan, wxALIGN_RIGHT | wxALIGN_CENTER_VERTICAL);
        grid->Add(values[row], wxGBPosition(row + 1, 1), wxDefaultSpan, wxALIGN_LEFT | wxALIGN_CENTER_VERTICAL);
    }
    return grid;
}

wxSizer* DeviceInfoView::BuildStorageBlock()
{
    storageBar = new SKHistogramCtrl(background.IsOk() ? new wxBitmap(background) : nullptr, this,
                                     wxDefaultPosition, wxSize(-1, kBarHeight), kBarCornerRadius);
    storageBar->SetMinSize(wxSize(-1, kBarHeight));
    for (int part = 0; part < kStoragePartCount; ++part)
        storageBar->GetParts().push_back(
            std::make_unique<SkHistogramPart>(LoadThemeBitmap(StoragePartImagePath(part)), 0.0));

    capacityText = MakeText(this, SummaryFont(16, wxFONTSTYLE_ITALIC, wxFONTWEIGHT_BOLD, true));
    capacityText->SetForegroundColour(wxColour(254, 118, 118));

    auto* block = new wxGridBagSizer(0, 0);
    block->Add(2, 2, wxGBPosition(0, 0), wxGBSpan(2, 2));
    block->Add(2, 2, wxGBPosition(0, 14), wxGBSpan(2, 2));
    // Grid sizers let an alignment win over wxEXPAND; the bar must stretch.
    block->Add(storageBar, wxGBPosition(0, 2), wxGBSpan(1, 10), wxEXPAND);
    block->Add(capacityText, wxGBPosition(0, 12), wxGBSpan(1, 2), wxALIGN_CENTER);
    for (int part = 0; part < kStoragePartCount; ++part)
        block->Add(BuildLegendEntry(part), wxGBPosition(1, 2 + 2 * part), wxGBSpan(1, 2), wxALIGN_CENTER);
    for (int column = 0; column < 16; ++column)
        if (column < 12 || column >= 14)
            block->AddGrowableCol(column);
    block->AddGrowableRow(1);
    return block;
}

wxSizer* DeviceInfoView::BuildLegendEntry(int part)
{
    legendCaptions[part] = MakeText(this, SummaryFont(12, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_BOLD, true));
    legendValues[part] = MakeText(this, SummaryFont(11, wxFONTSTYLE_ITALIC, wxFONTWEIGHT_NORMAL, true));
    auto* texts = new wxBoxSizer(wxVERTICAL);
    texts->Add(legendCaptions[part]);
    texts->Add(legendValues[part]);
    auto* entry = new wxBoxSizer(wxHORIZONTAL);
    entry->Add(new wxStaticBitmap(this, wxID_ANY, GetThemeBitmap(LegendSampleImagePath(part))), 0, wxRIGHT, 5);
    entry->Add(texts);
    return entry;
}

void DeviceInfoView::ShowDeviceInfo(plist_t deviceInfo)
{
    if (deviceInfo == nullptr)
        return;
    const DeviceSummary summary = BuildDeviceSummary(deviceInfo);
    picturePath = summary.picturePath;
    deviceImage->SetBitmap(GetThemeBitmap(picturePath));
    SetFittedLabel(nameLabel, summary.name);
    SetFittedLabel(typeValue, summary.type);
    SetFittedLabel(versionValue, summary.version);
    SetFittedLabel(serialValue, summary.serialNumber);
    SetFittedLabel(capacityValue, summary.capacity);
    SetFittedLabel(capacityText, summary.capacity);
    for (int part = 0; part < kStoragePartCount; ++part) {
        SetFittedLabel(legendValues[part], summary.legendValues[part]);
        storageBar->GetParts()[part]->fraction = summary.fractions[part];
    }
    storageBar->Refresh();
    storageBar->Update();
    Layout();
}

void DeviceInfoView::UpdateLabels()
{
    const DeviceSummaryCaptions captions = TranslatedDeviceSummaryCaptions();
    SetFittedLabel(typeCaption, captions.type);
    SetFittedLabel(capacityCaption, captions.capacity);
    SetFittedLabel(versionCaption, captions.version);
    SetFittedLabel(serialCaption, captions.serialNumber);
    for (int part = 0; part < kStoragePartCount; ++part)
        SetFittedLabel(legendCaptions[part], captions.legend[part]);
    Layout();
}

wxString DeviceInfoView::GetNameText() const
{
    return nameLabel->GetLabel();
}

wxString DeviceInfoView::GetCapacityCaption() const
{
    return capacityCaption->GetLabel();
}

wxString DeviceInfoView::GetCapacityValue() const
{
    return capacityValue->GetLabel();
}

wxString DeviceInfoView::GetCapacityText() const
{
    return capacityText->GetLabel();
}

wxString DeviceInfoView::GetLegendValue(int part) const
{
    return legendValues[part]->GetLabel();
}
