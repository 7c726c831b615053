#include "ui/document/repeated_name_prompt.h"
#include "model/team_list.h"
#include "res/resource.h"
#include "ui/common/fallback_string.h"
#include "ui/common/message_text.h"

enum { QUESTION_CAPACITY = 512 };

int acceptRepeatedName(HWND window, Bracket *bracket)
{
    const WCHAR *name = repeatedBaseName(bracket);
    if (!name)
        return 1;
    WCHAR caption[128], question[QUESTION_CAPACITY];
    const WCHAR *inserts[] = {name};
    if (!loadStringWithFallback(bracket->resourceModule, IDS_APP_TITLE, caption, 128))
        lstrcpyW(caption, L"Duelmark");
    if (!loadMessageText(bracket->resourceModule, IDS_SAVE_REPEATED_NAME, inserts, 1, question, QUESTION_CAPACITY))
        lstrcpynW(question, name, QUESTION_CAPACITY);
    return MessageBoxW(window, question, caption, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
}
