/* The entrant list in the bracket file, beside the slots:
 * <Entrants><Entrant Name=".." Club=".." Rating=".." Seed=".."/></Entrants>
 * as the last child of Games, written only when the list holds someone so
 * a bracket without entrants is written exactly as it always was. */
#ifndef DUELMARK_FILE_ENTRANT_ELEMENTS_H
#define DUELMARK_FILE_ENTRANT_ELEMENTS_H

#include <windows.h>
#include <msxml2.h>

#include "model/bracket.h"

/* Appends the Entrants element to games when the list is not empty (empty
 * attributes left out). Returns 1, or 0 when the component failed, so a
 * save never drops an entrant silently. */
int appendEntrantElements(IXMLDOMDocument *document, IXMLDOMElement *games, const Bracket *bracket);

/* Reads Games/Entrants/Entrant into the staged record's list, each field
 * taken only when it is valid (a rating or seed that is no number counts as
 * absent, a club too long is cut); an Entrant without a name or repeating
 * one above is passed over. Returns 1, or 0 when memory ran out. */
int readEntrantElements(IXMLDOMDocument *document, Bracket *staged);

#endif
