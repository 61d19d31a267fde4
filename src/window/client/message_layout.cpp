#include "window/client/message_layout.h"

#include <algorithm>

#include "app/text_format.h"

namespace {

// A device can hand over a message of any size. A bubble shows at most this
// many lines, and no bubble starts below kMaxLayoutTop, so every coordinate
// stays far inside an int and a huge text cannot stall the window.
constexpr size_t kMaxBubbleLines = 10000;
constexpr int kMaxLayoutTop = 1 << 30;
// No run of this many characters fits a bubble's width; longer ones are not
// measured at all.
constexpr size_t kMaxMeasuredLength = 4096;

bool IsBreakSpace(wxUniChar c)
{
    return c == ' ' || c == '\t';
}

class ParagraphBreaker {
public:
    ParagraphBreaker(const wxString& paragraph, int width, const MeasureText& measure,
                     std::vector<wxString>& lines, size_t maxLines)
        : paragraph_(paragraph), width_(width), measure_(measure), lines_(lines), maxLines_(maxLines)
    {
    }

    void Run()
    {
        const size_t length = paragraph_.length();
        if (length == 0) {
            lines_.push_back(wxString());
            return;
        }
        for (size_t start = 0; start < length && lines_.size() < maxLines_;) {
            const size_t end = LineEnd(start);
            lines_.push_back(paragraph_.substr(start, end - start));
            start = end;
        }
    }

private:
    bool Fits(size_t from, size_t count) const
    {
        return count <= kMaxMeasuredLength && measure_(paragraph_.substr(from, count)).x <= width_;
    }

    // Both scans stop at `limit`, so that a huge word costs no more than a
    // line's worth of characters per line.
    size_t SkipSpaces(size_t at, size_t limit) const
    {
        while (at < limit && IsBreakSpace(paragraph_[at]))
            ++at;
        return at;
    }

    size_t SkipWord(size_t at, size_t limit) const
    {
        while (at < limit && !IsBreakSpace(paragraph_[at]))
            ++at;
        return at;
    }

    // Where the line that starts at `start` ends: after the last whole word
    // that fits and the spaces behind it, or inside a word too wide for a
    // line of its own.
    size_t LineEnd(size_t start) const
    {
        const size_t length = paragraph_.length();
        const size_t limit = std::min(length, start + kMaxMeasuredLength + 1);
        size_t end = start;
        while (end < length) {
            const size_t wordEnd = SkipWord(SkipSpaces(end, limit), limit);
            if (wordEnd > end && !Fits(start, wordEnd - start))
                break;
            end = SkipSpaces(wordEnd, length);  // the spaces after a word hang
        }
        if (end == start)
            end = start + FittingPrefix(start, SkipWord(SkipSpaces(start, limit), limit) - start);
        return end;
    }

    // The most characters from `from` (at most `available`) that fit, and at
    // least one, so that every line makes progress. Doubling first keeps the
    // measured texts short when the word is very long.
    size_t FittingPrefix(size_t from, size_t available) const
    {
        size_t fits = 1;
        size_t tooLong = available + 1;
        for (size_t count = 2; fits < available; count *= 2) {
            count = std::min(count, available);
            if (!Fits(from, count)) {
                tooLong = count;
                break;
            }
            fits = count;
        }
        while (tooLong - fits > 1) {
            const size_t middle = fits + (tooLong - fits) / 2;
            if (Fits(from, middle))
                fits = middle;
            else
                tooLong = middle;
        }
        return fits;
    }

    const wxString& paragraph_;
    const int width_;
    const MeasureText& measure_;
    std::vector<wxString>& lines_;
    const size_t maxLines_;
};

std::vector<wxString> BreakLines(const wxString& text, int width, const MeasureText& measure, size_t maxLines)
{
    std::vector<wxString> lines;
    size_t start = 0;
    while (lines.size() < maxLines) {
        size_t end = start;
        while (end < text.length() && text[end] != '\n' && text[end] != '\r')
            ++end;
        ParagraphBreaker(text.substr(start, end - start), width, measure, lines, maxLines).Run();
        if (end == text.length())
            break;
        start = end + (text[end] == '\r' && end + 1 < text.length() && text[end + 1] == '\n' ? 2 : 1);
    }
    return lines;
}

// The height of the tallest line: a line in a fallback font (emoji, CJK) can
// be taller than the rest. An empty line is as tall as a space, so that an
// empty message still shows one line's room.
int TallestLine(const std::vector<wxString>& lines, const MeasureText& measure)
{
    int height = 0;
    for (const wxString& line : lines)
        height = std::max(height, measure(line.empty() ? wxString(" ") : line).y);
    return height;
}

} // namespace

std::vector<wxString> BreakMessageLines(const wxString& text, int width, const MeasureText& measure)
{
    return BreakLines(text, width, measure, kMaxBubbleLines);
}

ConversationLayout LayOutConversation(const HandoverConversation* conversation, const BubbleParts& incoming,
                                      const BubbleParts& outgoing, const MeasureText& measure)
{
    ConversationLayout layout;
    int nextY = kBubbleGap;
    int total = 0;
    const HandoverMessage* message = conversation != nullptr ? conversation->messages : nullptr;
    for (; message != nullptr && nextY < kMaxLayoutTop; message = message->next) {
        const BubbleParts& parts = message->sent != 0 ? outgoing : incoming;
        auto bubble = std::make_unique<MessageBubble>();
        bubble->sent = message->sent;
        bubble->x = message->sent != 0 ? kOutgoingBubbleX : kIncomingBubbleX;
        bubble->textInset = message->sent != 0 ? kOutgoingTextInset : kIncomingTextInset;
        bubble->top = parts.top;
        bubble->center = parts.center;
        bubble->bottom = parts.bottom;
        bubble->header = Utf8ToString(message->dateTime);
        bubble->y = nextY;
        bubble->centerY = bubble->y + parts.topHeight;
        bubble->lines = BreakMessageLines(Utf8ToString(message->text), kMessageWrapWidth, measure);
        bubble->lineHeight = TallestLine(bubble->lines, measure);
        bubble->centerHeight =
            bubble->textTop + static_cast<int>(bubble->lines.size()) * (bubble->lineHeight + bubble->lineGap);
        bubble->bottomY = bubble->centerY + bubble->centerHeight;
        nextY = bubble->bottomY + parts.bottomHeight + kBubbleGap;
        total += kBubbleGap + parts.topHeight + bubble->centerHeight + parts.bottomHeight;
        layout.bubbles.push_back(std::move(bubble));
    }
    layout.virtualHeight = total + kBubbleTrailingSpace;
    return layout;
}

int KeptScrollPosition(int position, int virtualHeight, int clientHeight)
{
    return std::max(0, std::min(position, virtualHeight - clientHeight));
}

std::vector<CenterTile> CenterTiles(int centerHeight, int imageHeight)
{
    std::vector<CenterTile> tiles;
    if (centerHeight <= 0 || imageHeight <= 0)
        return tiles;
    const int whole = centerHeight / imageHeight;
    tiles.reserve(static_cast<size_t>(whole) + 1);
    for (int k = 0; k < whole; ++k)
        tiles.push_back({k * imageHeight, imageHeight});
    if (centerHeight % imageHeight != 0)
        tiles.push_back({whole * imageHeight, centerHeight % imageHeight});
    return tiles;
}
