#include "model/match_fields.h"

const MatchFieldRow MATCH_FIELDS[MATCH_FIELD_COUNT] = {
    {L"Name", NAME_CAPACITY, KIND_TEXT},
    {L"Score", RESULT_CAPACITY, KIND_TEXT},
    {L"Status", 2, KIND_OUTCOME},
    {L"Court", COURT_CAPACITY, KIND_TEXT},
    {L"Time", MATCH_TIME_CAPACITY, KIND_TIME},
};

MatchValues nodeValues(BracketNode *node)
{
    MatchValues values = {node->name, node->result, &node->details};
    return values;
}

WCHAR *matchFieldText(MatchValues match, int field)
{
    switch (field) {
    case FIELD_NAME: return match.name;
    case FIELD_RESULT: return match.result;
    case FIELD_COURT: return match.details->court;
    case FIELD_TIME: return match.details->time;
    }
    return NULL;
}

int *matchFieldNumber(MatchValues match, int field)
{
    return field == FIELD_OUTCOME ? &match.details->outcome : NULL;
}
