// What the user is told when a song file is refused (caption "错误").
#pragma once

namespace nw::song_message {

inline constexpr const char *kCaption = "错误";
inline constexpr const char *kCannotOpen = "不能打开文件,请检查文件是否在存在或正在使用!";
inline constexpr const char *kNoMemory = "不能分配内存,请检查系统内存是否正常!";
inline constexpr const char *kShortRead = "读文件时出错,请检查文件是否正常!";
inline constexpr const char *kFileSize = "读文件时出错,文件大小!";
inline constexpr const char *kNotMidi = "读取文件时出错，不是MIDI文件!";
inline constexpr const char *kHeaderSize = "读取文件时出错，格式错误，文件太小!";
inline constexpr const char *kTooManyTracks = "音轨太多，本软件最多支持255个音轨!";
inline constexpr const char *kTrackSize = "读取文件时出错，格式错误，音轨大小不一致!";
inline constexpr const char *kNotTrack = "文件格式错误，错误的音轨!";
inline constexpr const char *kFirstTrackDelta = "文件预读错误，错误的音轨长度!";
inline constexpr const char *kOtherTrackDelta = "文件预读错误1，音轨长度错误!";
inline constexpr const char *kTrackLength = "文件格式错误，错误的音轨长度!";
inline constexpr const char *kRunningStatus = "文件格式错误，上次激活的参数错误!";
inline constexpr const char *kSysexLength = "文件格式错误，系统码长度错误!";
inline constexpr const char *kMetaLength = "文件格式错误，FF长度错误!";
inline constexpr const char *kTooBig = "文件太大,不支持!";
inline constexpr const char *kRiffSize = "文件大小不一,请检查文件头部!";

}  // namespace nw::song_message
