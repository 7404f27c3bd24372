#include "ui/im_service.h"

#include "build_settings.h"

Text PresencePictureAddress() {
    return JoinTexts("http://", kImHost, "/pa?p=2:", kImAccount, ":53");
}

Text ChatPageAddress() {
    return JoinTexts("http://", kImHost, "/msgrd?V=1&Uin=", kImAccount,
                     "&Exe=QQ&Site=", kProgramName, "&Menu=yes");
}
