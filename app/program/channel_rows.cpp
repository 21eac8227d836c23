#include "channel_rows.h"

#include "notewire/notewire.h"

ChannelRow channelRowFor(int role, const QString &voice) {
    switch (role) {
        case CH_KEYBOARD:
            return {QStringLiteral("键盘使用"), 0};
        case CH_ACCOMP:
            return {QStringLiteral("伴奏使用"), 0};
        case CH_FREE:
            return {QStringLiteral("没有使用"), -1};
        case CH_REPLAY:
            return {QStringLiteral("回放使用"), -1};
        case CH_SONG_USE:
            return {QStringLiteral("歌曲使用"), -1};
        case CH_SONG:
            return {voice, 1};
        case CH_MUTED:
            return {QStringLiteral("已经关闭"), 0};
        default:
            return {voice, -1};
    }
}
