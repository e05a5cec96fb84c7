#pragma once
// The walk over a channel's link group that every editor family's mirror makes: the
// members in ascending side order, the channel itself included.
#include "TfmMain.h"

template <class F>
void TfmMain::ForLinkGroup(int ch, F&& member)
{
    const std::uint16_t group = GetLinkGroup(ch);
    const int first = ch < 2 ? 0 : 2;
    const int count = ch < 2 ? 2 : 6;
    for (int k = 0; k < count; ++k)
        if ((group >> k) & 1u)
            if (!member(first + k))
                return;
}
