#pragma once
// The arithmetic of the message window, apart from the window so that it runs
// without a display: breaking a message into the lines of a bubble, placing
// the bubbles of a conversation one below the other, the scroll position kept
// across conversations and the rows of the repeated centre picture.
//
// Texts are measured by a callback (the window passes its own text extent),
// which answers for one line without line ends.

#include <functional>
#include <memory>
#include <vector>

#include <devicekit/devicekit.h>
#include <wx/gdicmn.h>
#include <wx/string.h>

#include "window/client/message_bubble.h"

// The size of one line of text as it will be drawn.
using MeasureText = std::function<wxSize(const wxString& line)>;

// Width the lines of a bubble are broken to.
constexpr int kMessageWrapWidth = 180;
// Space above the first bubble and between bubbles.
constexpr int kBubbleGap = 20;
// Room left below the last bubble's share of the virtual height.
constexpr int kBubbleTrailingSpace = 100;
// Left edge and text inset of received and of sent bubbles.
constexpr int kIncomingBubbleX = 2;
constexpr int kIncomingTextInset = 22;
constexpr int kOutgoingBubbleX = 120;
constexpr int kOutgoingTextInset = 10;

// Breaks a message into the lines a word-wrapping text box of the given width
// shows: every line end (\n, \r\n or \r) starts a new line, a line holds as
// many whole words as fit, and a word wider than the box is cut between
// characters. The spaces after a word stay at the end of its line, so the
// lines of one paragraph put together give the paragraph back. An empty text
// is one empty line, and a text ending in a line end has an empty last line.
std::vector<wxString> BreakMessageLines(const wxString& text, int width, const MeasureText& measure);

// The three pictures of one side and the heights the layout needs from them.
// Without a window the pointers stay null and only the heights count.
struct BubbleParts {
    int topHeight = 0;
    int bottomHeight = 0;
    const wxBitmap* top = nullptr;
    const wxBitmap* center = nullptr;
    const wxBitmap* bottom = nullptr;
};

struct ConversationLayout {
    std::vector<std::unique_ptr<MessageBubble>> bubbles;
    int virtualHeight = kBubbleTrailingSpace;
};

// One bubble per message, from the first along the next links, received ones
// on the left and sent ones on the right, kBubbleGap above each. A null
// conversation, or one without messages, gives no bubbles. Null texts and
// dates are empty.
ConversationLayout LayOutConversation(const HandoverConversation* conversation, const BubbleParts& incoming,
                                      const BubbleParts& outgoing, const MeasureText& measure);

// The vertical scroll position after a new virtual height: the old one where
// it still fits, else the lowest one the new height allows.
int KeptScrollPosition(int position, int virtualHeight, int clientHeight);

// One copy of the centre picture: drawn at `offset` below the middle part's
// top, its first `rows` rows.
struct CenterTile {
    int offset;
    int rows;
};

// Fills a middle part of the given height with a picture of `imageHeight`
// rows: whole copies, then the remaining rows from the picture's top. Nothing
// for an empty part or picture.
std::vector<CenterTile> CenterTiles(int centerHeight, int imageHeight);
