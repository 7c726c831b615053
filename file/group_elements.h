/* The groups of an event played in groups first, in the bracket file after
 * the knockout's elements (before the entrant list), which a reader that knows only those still
 * finds whole:
 *   <Groups Advance="2" Rules="table-tennis|badminton|football|head-to-head">
 *     <Group Name="A">
 *       <Entrant Name="..." Seed="3"/>          one per entrant, in group order (numbers 1 .. n)
 *       <Match Home="1" Away="4" Winner="1|4|draw|" Score="" Status="" Court="" Time=""/>
 *                                               one per pairing, in table order
 *       <Tied><Entrant Number="3"/>...</Tied>   the lots' order for those the rules leave level
 *     </Group>
 *   </Groups>
 * Seed, Winner, Score, Status, Court and Time only where set; Tied only
 * where the organiser gave an order. A group without Match elements gets
 * its matches from the table, unplayed; matches may come in any order and
 * either way round. Private to file/. */
#ifndef DUELMARK_FILE_GROUP_ELEMENTS_H
#define DUELMARK_FILE_GROUP_ELEMENTS_H

#include <windows.h>
#include <msxml2.h>

#include "file/bracket_file.h"
#include "model/bracket.h"

/* Reads Games/Groups, when there is one, into staged, whose knockout is
 * read already; then the knockout's base slots follow the groups. Returns
 * 1 (also without groups), or 0 with report saying why: a contradiction
 * (OPEN_FAULT_GROUPS, with what and where) or memory. */
int readGroupElements(IXMLDOMDocument *document, Bracket *staged, OpenReport *report);

/* Appends <Groups> to games while the stage is on; nothing otherwise.
 * Returns 0 when the elements could not be made whole. */
int appendGroupElements(IXMLDOMDocument *document, IXMLDOMElement *games, Bracket *bracket);

/* The name Rules is written as, and the rules a name stands for (-1 for
 * none). */
const WCHAR *groupRulesName(int rules);
int groupRulesOfName(const WCHAR *name);

#endif
