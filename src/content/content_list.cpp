#include "content/content_list.h"

int TextColumnCount(ContentList list)
{
    switch (list) {
    case ContentList::Media:
        return 6;  // Title, Time, Size, Genres, Artists, Albums
    case ContentList::Pictures:
        return 3;  // Title, Time, Size
    case ContentList::Contacts:
        return 4;  // Name, Phone, Email, Address
    case ContentList::Conversations:
        return 2;  // Name, Phone
    case ContentList::Notes:
        return 3;  // Title, Content, ContentType
    case ContentList::Bookmarks:
        return 3;  // Title, Folder, Url
    }
    return 0;
}

const std::vector<int>& SearchedColumns(ContentList list)
{
    static const std::vector<int> kMedia = {0, 3, 4, 5};
    static const std::vector<int> kNone;
    static const std::vector<int> kFour = {0, 1, 2, 3};
    static const std::vector<int> kTwo = {0, 1};
    static const std::vector<int> kThree = {0, 1, 2};
    switch (list) {
    case ContentList::Media:
        return kMedia;
    case ContentList::Pictures:
        return kNone;
    case ContentList::Contacts:
        return kFour;
    case ContentList::Conversations:
        return kTwo;
    case ContentList::Notes:
    case ContentList::Bookmarks:
        return kThree;
    }
    return kNone;
}

bool SearchedListOfSubView(int subViewIndex, ContentList& list)
{
    switch (subViewIndex) {
    case 0:
        list = ContentList::Media;
        return true;
    case 5:
        list = ContentList::Contacts;
        return true;
    case 6:
        list = ContentList::Conversations;
        return true;
    case 7:
        list = ContentList::Notes;
        return true;
    case 8:
        list = ContentList::Bookmarks;
        return true;
    default:
        return false;
    }
}
