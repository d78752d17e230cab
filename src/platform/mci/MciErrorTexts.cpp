#include "platform/mci/MciErrorTexts.h"

#include "platform/mci/MciEngine.h"

namespace {

struct Entry {
    quint32 code;
    const char* text;  // UTF-8
};

constexpr Entry kTexts[] = {
    {0, "指令已順利完成。"},
    {MciError::UnrecognizedKeyword, "指令中有無法辨識的關鍵字。"},
    {MciError::UnrecognizedCommand, "無法辨識這個指令。"},
    {MciError::InvalidDevice, "指定的裝置沒有開啟，或是無法辨識的裝置名稱。"},
    {MciError::MissingCommandString, "沒有輸入任何指令。"},
    {MciError::BadInteger, "這個參數必須是整數。"},
    {MciError::MissingParameter, "指令缺少必要的參數。"},
    {MciError::UnsupportedFunction, "這個裝置不支援此指令。"},
    {MciError::FileNotFound, "找不到指定的檔案，請確認路徑與檔名是否正確。"},
    {MciError::Internal, "媒體系統發生內部錯誤。"},
    {MciError::CannotUseAll, "這個指令不能使用 all 作為裝置名稱。"},
    {MciError::OutOfRange, "參數超出允許的範圍。"},
    {MciError::FlagsNotCompatible, "指令中的參數不能同時使用。"},
    {MciError::DuplicateAlias, "這個別名已經有其他裝置在使用，請改用別的別名。"},
    {MciError::MissingDeviceName, "指令必須指定裝置名稱或別名。"},
    {MciError::BadTimeFormat, "不支援指定的時間格式，請使用 milliseconds。"},
    {MciError::NoClosingQuote, "指令中的引號沒有成對。"},
    {MciError::DuplicateFlags, "同一個參數在指令中出現了兩次。"},
    {MciError::CannotPlay, "無法播放這個檔案，檔案可能已經損壞，或不是支援的格式。"},
};

}  // namespace

bool mciErrorText(quint32 code, QString& text) {
    for (const Entry& entry : kTexts) {
        if (entry.code == code) {
            text = QString::fromUtf8(entry.text);
            return true;
        }
    }
    return false;
}
