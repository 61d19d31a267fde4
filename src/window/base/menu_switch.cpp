#include "window/base/menu_switch.h"

int DecideMenuSwitch(const std::vector<MenuTitleSpot>& titles, int openId, const wxPoint& pointer)
{
    for (const MenuTitleSpot& title : titles) {
        if (title.rect.Contains(pointer))
            return title.id == openId ? kMenuPointerOnOpenTitle : title.id;
    }
    return kMenuPointerElsewhere;
}
