/* Every resource, control and command identifier of the editor. The numbers
 * are fixed: satellite resource files carry the same ones, so a line moves
 * between groups but its number never changes. */
#ifndef DUELMARK_RESOURCE_H
#define DUELMARK_RESOURCE_H

/* ===== Dialogs ===== */
#define IDD_MAIN                1
#define IDD_SETUP               2
#define IDD_NEW_FROM_LIST       3
#define IDD_MATCH_RESULT        4
/* Newer work on disk, and work left by a program that ended unsaved */
#define IDD_DISK_CHANGED        5
#define IDD_RECOVERY_OFFER      6
#define IDD_SCHEDULE            7
/* Printing: the layout asked before the print dialog, the preview, and page
 * setup where no printer is installed */
#define IDD_PRINT_LAYOUT        20
#define IDD_PRINT_PREVIEW       21
#define IDD_PAPER_SETUP         640

/* ===== Menu, icon, accelerators ===== */
#define IDR_MAIN_MENU           1
#define IDI_APP                 1
/* The main window's keyboard shortcuts; a satellite without them uses the
 * executable's */
#define IDR_ACCELERATORS        2

/* ===== Strings, by feature ===== */
/* The window */
#define IDS_APP_TITLE           1
#define IDS_TITLE_FORMAT        2
#define IDS_INVALID_PICKS       3
/* A failed save (%1 the file, %2 the reason) */
#define IDS_SAVE_FAILED         100
#define IDS_SAVE_BAD_NAME       101
#define IDS_SAVE_BAD_TITLE      102
#define IDS_SAVE_UNREADABLE     103
#define IDS_SAVE_ERROR_CODE     104
/* A file that cannot be opened (%1 the file, %2 the system's reason) */
#define IDS_OPEN_NOT_FOUND          110
#define IDS_OPEN_UNREADABLE         111
#define IDS_OPEN_NOT_BRACKET        112
#define IDS_OPEN_TOO_LARGE          113
#define IDS_OPEN_NAME_TOO_LONG      114
/* Recent files: a chosen file that is gone (%1 the file) */
#define IDS_RECENT_FILE_MISSING     120
/* Newer work on disk (%1 the file), the recovery offer (%1 the file,
 * %2 when the copy was written) and the first save of what it restored
 * (%1 the file) */
#define IDS_DISK_CHANGED            130
#define IDS_DISK_DELETED            131
#define IDS_RECOVERY_FOUND          132
#define IDS_RECOVERY_UNTITLED       133
#define IDS_RESTORED_SAVE           134
/* The bracket picture: round headings, file types, failures */
#define IDS_PICTURE_FINAL           140
#define IDS_PICTURE_SEMI_FINALS     141
#define IDS_PICTURE_QUARTER_FINALS  142
#define IDS_PICTURE_ROUND_OF        143
#define IDS_PICTURE_CHAMPION        144
#define IDS_PICTURE_FILE_TYPE       145
#define IDS_EXPORT_FAILED           146
#define IDS_COPY_FAILED             147
#define IDS_PRINT_FAILED            148
#define IDS_SVG_FILE_TYPE           400
/* New from list: the bye hint and the list dialog's complaints (%1 the
 * number of entrants; for a repeated name %1 the name and %2 its lines;
 * for cut names %1 their lines), and a pasted list that repeats a name
 * (%1 the name) */
#define IDS_BYE                     150
#define IDS_LIST_ENTRANT_COUNT      151
#define IDS_LIST_NO_TITLE           152
#define IDS_LIST_ONE_ENTRANT        153
#define IDS_LIST_REPEATED_NAME      154
#define IDS_LIST_CUT_NAMES          155
#define IDS_PASTE_REPEATED_NAME     156
/* Match results and the third-place match */
#define IDS_THIRD_PLACE_LABEL       160
#define IDS_PICTURE_THIRD_PLACE     161
#define IDS_MATCH_RESULT_ITEM       162
#define IDS_SAVE_BAD_RESULT         163
/* Match outcomes: the dialog's choices, then the marks the window, the
 * picture and the order of play show */
#define IDS_OUTCOME_PLAYED          170
#define IDS_OUTCOME_WALKOVER        171
#define IDS_OUTCOME_RETIRED         172
#define IDS_OUTCOME_DISQUALIFIED    173
#define IDS_OUTCOME_DOUBLE_WALKOVER 174
#define IDS_MARK_WALKOVER           175
#define IDS_MARK_RETIRED            176
#define IDS_MARK_DISQUALIFIED       177
#define IDS_MARK_DOUBLE_WALKOVER    178
/* Schedule matches: the every-match choice and the dialog's complaints (%1
 * the court name too long); the order of play's header line, its printed
 * page's heading (%1 the title, %2 the date printed) and footer (%1 the
 * page, %2 the pages) */
#define IDS_SCHEDULE_READY          180
#define IDS_SCHEDULE_BAD_MINUTES    181
#define IDS_SCHEDULE_LONG_COURT     182
#define IDS_ORDER_HEADER            183
#define IDS_ORDER_PAGE_HEADING      184
#define IDS_ORDER_PAGE_FOOTER       185
#define IDS_ORDER_PRINT_FAILED      186
/* Printing: the layouts, each page's heading and footing (%1 the date;
 * %1 this page, %2 the number of pages; %1 the row, %2 the column), no
 * printer installed, and the papers page setup offers without a printer */
#define IDS_LAYOUT_ONE_PAGE         190
#define IDS_LAYOUT_HALVES           191
#define IDS_LAYOUT_POSTER           192
#define IDS_PRINT_DATE              193
#define IDS_PRINT_PAGE_NUMBER       194
#define IDS_PRINT_POSTER_POSITION   195
#define IDS_NO_PRINTER              196
#define IDS_PAPER_A4                648
#define IDS_PAPER_LETTER            649
#define IDS_PAPER_LEGAL             650
/* Double elimination: headings, where an entrant comes from, formats, places */
#define IDS_LOSERS_ROUND            210
#define IDS_LOSERS_FINAL            211
#define IDS_GRAND_FINAL             212
#define IDS_GRAND_FINAL_RESET       213
#define IDS_LOSER_OF                214
#define IDS_WINNER_OF               215
#define IDS_SHORT_ROUND             216
#define IDS_SHORT_QUARTER_FINAL     217
#define IDS_SHORT_SEMI_FINAL        218
#define IDS_SHORT_FINAL             219
#define IDS_SHORT_LOSERS            220
#define IDS_FORMAT_SINGLE           221
#define IDS_FORMAT_DOUBLE           222
#define IDS_PLACE_FIRST             223
#define IDS_PLACE_SECOND            224
#define IDS_PLACE_THIRD             225
#define IDS_LOSERS_BRACKET          226
#define IDS_WINNERS_BRACKET_WINNER  600
/* Two entrants of one name */
#define IDS_NAME_TAKEN              620
#define IDS_SAVE_REPEATED_NAME      621
/* Failures said in words: a court the file cannot hold (%1 the file, %2 the
 * court); a file dialog that failed (%1 the reason) and its reasons (%1 the
 * error code); the hall display or the order of play that could not be
 * shown or copied (%1 the title, %2 the system's reason); a recovery copy
 * that could not be read, set aside (%1 the copy, %2 where it was kept) */
#define IDS_SAVE_BAD_COURT          660
#define IDS_FILE_DIALOG_FAILED      661
#define IDS_FILE_DIALOG_BAD_NAME    662
#define IDS_FILE_DIALOG_LONG_NAME   663
#define IDS_FILE_DIALOG_ERROR       664
#define IDS_HALL_DISPLAY_FAILED     665
#define IDS_ORDER_COPY_FAILED       666
#define IDS_RECOVERY_SET_ASIDE      667

/* ===== Controls of the dialog templates ===== */
/* The main window's parked button */
#define IDC_PARKED_BUTTON       20000
/* Setup */
#define IDC_TEAMS_LABEL         9
#define IDC_TEAMS_COMBO         10
#define IDC_TITLE_EDIT          11
#define IDC_SETUP_OK            12
/* New from list */
#define IDC_LIST_TITLE_EDIT     100
#define IDC_LIST_ENTRANTS_EDIT  101
#define IDC_LIST_SEEDED         102
#define IDC_LIST_RANDOM         103
#define IDC_LIST_AS_LISTED      104
#define IDC_LIST_MESSAGE        105
#define IDC_LIST_OK             106
#define IDC_LIST_FORMAT         107
/* Match result: the entrants, the winner, the score; the match's outcome,
 * court (with its length against the limit) and time */
#define IDC_RESULT_FIRST_TEAM   110
#define IDC_RESULT_SECOND_TEAM  111
#define IDC_RESULT_WINNER       112
#define IDC_RESULT_TEXT         113
#define IDC_RESULT_OUTCOME      114
#define IDC_RESULT_COURT        115
#define IDC_RESULT_COURT_LENGTH 116
#define IDC_RESULT_TIME         117
#define IDC_RESULT_UNSCHEDULED  118
/* Schedule matches */
#define IDC_SCHEDULE_ROUND      120
#define IDC_SCHEDULE_START      121
#define IDC_SCHEDULE_MINUTES    122
#define IDC_SCHEDULE_COURTS     123
#define IDC_SCHEDULE_REPLACE    124
#define IDC_SCHEDULE_MESSAGE    125
/* The newer-work question and the recovery offer */
#define IDC_CHOICE_TEXT         200
#define IDC_OVERWRITE           201
#define IDC_SAVE_ELSEWHERE      202
#define IDC_RESTORE             203
#define IDC_DISCARD             204
/* Print layout and print preview */
#define IDC_LAYOUT_ONE_PAGE     300
#define IDC_LAYOUT_HALVES       301
#define IDC_LAYOUT_POSTER       302
#define IDC_POSTER_POINTS       303
#define IDC_PREVIEW_PREVIOUS    310
#define IDC_PREVIEW_NEXT        311
#define IDC_PREVIEW_PAGE_NUMBER 312
#define IDC_PREVIEW_LAYOUT      313
#define IDC_PREVIEW_PRINT       314
#define IDC_PREVIEW_PAGE        315
/* Page setup without a printer */
#define IDC_PAPER_SIZE          641
#define IDC_PAPER_PORTRAIT      642
#define IDC_PAPER_LANDSCAPE     643
#define IDC_MARGIN_LEFT         644
#define IDC_MARGIN_RIGHT        645
#define IDC_MARGIN_TOP          646
#define IDC_MARGIN_BOTTOM       647

/* ===== Controls created at run time ===== */
/* Slot controls; all of a kind share the id */
#define IDC_PICK_COMBO          20
#define IDC_TEAM_EDIT           21
/* The third-place match's drop-down and its heading, while the match is on */
#define IDC_THIRD_PLACE_COMBO   22
#define IDC_THIRD_PLACE_LABEL   23
#define IDC_LOSERS_COMBO        24

/* ===== Commands (IDCANCEL, 2, is Exit) ===== */
/* File */
#define IDM_FILE_NEW            30
#define IDM_FILE_OPEN           31
#define IDM_FILE_CLOSE          32
#define IDM_FILE_SAVE           33
#define IDM_FILE_SAVE_AS        34
#define IDM_FILE_NEW_FROM_LIST  35
/* Edit: the base slots, picks, the title */
#define IDM_EDIT_LOCK_BASE      40
#define IDM_EDIT_UNLOCK_BASE    41
#define IDM_EDIT_CLEAR_PICKS    42
#define IDM_EDIT_VALIDATE       43
#define IDM_EDIT_TITLE          44
/* Editing at speed: undo and redo, a pasted team list, a draw */
#define IDM_EDIT_UNDO           50
#define IDM_EDIT_REDO           51
#define IDM_EDIT_PASTE_LIST     52
#define IDM_EDIT_DRAW_TEAMS     53
/* Match results and the third-place match */
#define IDM_EDIT_MATCH_RESULT   54
#define IDM_EDIT_THIRD_PLACE    55
/* The event day: times and courts, the order of play */
#define IDM_EDIT_SCHEDULE       56
#define IDM_EDIT_COPY_ORDER     57
#define IDM_FILE_PRINT_ORDER    63
/* Double elimination and the grand final's reset */
#define IDM_EDIT_DOUBLE_ELIMINATION 58
#define IDM_EDIT_GRAND_FINAL_RESET 59
/* The bracket picture: export, copy, print */
#define IDM_FILE_EXPORT_PICTURE 60
#define IDM_EDIT_COPY_PICTURE   61
#define IDM_FILE_PRINT          62
/* Printing: page setup and preview */
#define IDM_FILE_PRINT_PREVIEW  64
#define IDM_FILE_PAGE_SETUP     65
/* Recent files: the File menu's numbered entries, newest first */
#define IDM_FILE_RECENT_FIRST   70
#define IDM_FILE_RECENT_LAST    77
/* The View menu: the hall display */
#define IDM_VIEW_HALL_DISPLAY   80

/* The group stage in the window: the tab strip, the Groups page, Order tied entrants */
#define IDS_STAGE_GROUPS_TAB    760
#define IDS_STAGE_KNOCKOUT_TAB  761
#define IDS_GROUP_HEADING       762
#define IDS_STANDINGS_HEADINGS  763
#define IDS_RESULT_DRAW         764
#define IDS_GROUP_UNREADABLE    765
#define IDM_EDIT_ORDER_TIED     766
#define IDD_ORDER_TIED          767
#define IDC_TIED_LIST           768
#define IDC_TIED_UP             769
#define IDC_TIED_DOWN           770
#define IDC_STAGE_TABS          771
#define IDC_GROUPS_PAGE         772
#define IDC_GROUP_CELL          773
#define IDC_GROUP_STANDINGS     774
#define IDC_GROUP_LABEL         775
#define IDS_ORDER_TIED_PROMPT   776
#define IDS_GROUP_CELL_WON      777
#define IDS_GROUP_CELL_LOST     778

/* Entrants with clubs: the list, CSV in and out, club-mates apart in the draw */
#define IDM_EDIT_ENTRANTS         720
#define IDM_FILE_IMPORT_ENTRANTS  721
#define IDM_FILE_EXPORT_ENTRANTS  722
#define IDM_FILE_EXPORT_RESULTS   723
#define IDD_ENTRANTS              724
#define IDC_ENTRANTS_LIST         725
#define IDC_ENTRANT_NAME          726
#define IDC_ENTRANT_CLUB          727
#define IDC_ENTRANT_RATING        728
#define IDC_ENTRANT_SEED          729
#define IDC_ENTRANT_ADD           730
#define IDC_ENTRANT_CHANGE        731
#define IDC_ENTRANT_REMOVE        732
#define IDC_ENTRANT_NOTE          733
#define IDS_ENTRANT_COLUMNS       734
#define IDS_CSV_FILE_TYPE         735
#define IDS_IMPORT_BAD_ROWS       736
#define IDS_ENTRANT_ROW_REASONS   737
#define IDS_RESULT_COLUMNS        738
#define IDS_CLUB_MATES_MEET_EARLY 739

/* Groups, then knockout: file faults, knockout seats, the result question, New from list */
#define IDS_OPEN_GROUPS                 700
#define IDS_GROUP_FAULT_FORMAT          701
#define IDS_GROUP_FAULT_SIZE            702
#define IDS_GROUP_FAULT_OTHER_GROUP     703
#define IDS_GROUP_FAULT_NUMBER          704
#define IDS_GROUP_FAULT_PAIRING_TWICE   705
#define IDS_GROUP_FAULT_TIED            706
#define IDS_GROUP_FAULT_KNOCKOUT        707
#define IDS_GROUP_SEAT                  708
#define IDS_GROUP_PLACES                709
#define IDS_GROUP_RESULT_QUESTION       710
#define IDS_GROUP_RULES_NAMES           711
#define IDS_FORMAT_GROUPS_SINGLE        712
#define IDC_LIST_GROUP_COUNT            713
#define IDC_LIST_GROUP_BY_SIZE          714
#define IDC_LIST_ADVANCING              715
#define IDC_LIST_RULES                  716
#define IDS_LIST_GROUPS_MISFIT          717
#define IDS_FORMAT_GROUPS_DOUBLE        718

/* The live page for spectators and the hall display's parts */
#define IDM_FILE_PUBLISH            750
#define IDS_PUBLISH_FAILED          800
#define IDS_PUBLISH_ORDER_CAPTION   801
#define IDS_PUBLISH_WRITTEN_AT      802
#define IDS_PUBLISH_CHOOSE_FOLDER   803
#define IDS_HALL_NOW_AND_NEXT       804
#define IDS_HALL_NOW                805
#define IDS_HALL_NEXT               806
#define IDS_HALL_NO_COURTS          807

/* Changes after the draw that keep results: rename, swap, withdraw and replace */
#define IDM_EDIT_RENAME_ENTRANT     780
#define IDM_EDIT_SWAP_ENTRANTS      781
#define IDM_EDIT_WITHDRAW_ENTRANT   782
#define IDD_RENAME_ENTRANT          783
#define IDD_SWAP_ENTRANTS           784
#define IDD_WITHDRAW_ENTRANT        785
#define IDC_CHANGE_ENTRANT          786
#define IDC_CHANGE_OTHER            787
#define IDS_ENTRANT_NAME_TAKEN      788
#define IDS_SWAP_CLEARS_RESULTS     789
#define IDS_CHANGE_CLEARS_RESULTS   790
#define IDS_RENAME_ENTRANT_ITEM     791
#define IDS_WITHDRAW_NO_OPPONENT    792
#define IDS_WITHDRAW_NO_MATCH       793
#define IDS_SWAP_SAME_ENTRANT       794
#define IDS_CLEARED_RESULT_LINE     795
#define IDS_CLEARED_RESULTS_MORE    796

/* Wide layout: the window's columns as wide as their names, a line for every mark */
#define IDM_VIEW_WIDE_LAYOUT    740

/* Group rounds in Schedule matches and the order of play */
#define IDS_SCHEDULE_GROUP_ROUND    830
#define IDS_SCHEDULE_ALL_GROUPS     831

/* Entrants meet the groups: club-mates the pots could not part */
#define IDS_CLUB_MATES_SHARE_GROUP 850
#define IDC_GROUP_ROW_NAME      851

#endif
