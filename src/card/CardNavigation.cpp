#include "CardNavigation.h"

using Kind = NavigationStep::Kind;

NavigationStep navigationStep(NavigationButton button, std::optional<qint64> position, qint64 count)
{
    switch (button) {
    case NavigationButton::First:
        return count == 0 ? NavigationStep{Kind::EmptyArchive} : NavigationStep{Kind::Load, 1};
    case NavigationButton::Previous:
        if (position == 1)
            return {Kind::Nothing};
        if (count == 0)
            return {Kind::EmptyArchive};
        return position ? NavigationStep{Kind::Load, *position - 1} : NavigationStep{Kind::Load, 1};
    case NavigationButton::Next:
        if (count == 0)
            return {Kind::ClearThenEmptyArchive};
        if (!position)
            return {Kind::Load, 1};
        return *position < count ? NavigationStep{Kind::Load, *position + 1} : NavigationStep{Kind::Nothing};
    case NavigationButton::Last:
        return count == 0 ? NavigationStep{Kind::EmptyArchive} : NavigationStep{Kind::Load, count};
    }
    return {Kind::Nothing};
}
