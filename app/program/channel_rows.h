#pragma once

#include <QString>

// What the function dialog's channel list shows for a channel: the row's text and its check mark,
// after the channel's role as the engine reports it.
struct ChannelRow {
    QString text;
    int check;  // 1 set, 0 cleared, -1 left as it is
};

// `voice` is the voice-list row of the channel's program; a song channel and an unknown role show it.
ChannelRow channelRowFor(int role, const QString &voice);
