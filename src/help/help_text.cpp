// The help document's twelve sections: gaps, text heights, headings and running text. The text
// says what the program does; each part must fit the room before the next heading, in English
// and in every translation. The table holds the English texts; layoutDocument() translates them.
#include "help/help_document.h"
#include "platform/translation.h"

namespace quiltra::help {

namespace {

constexpr Style S = Style::Section;

HeadingDef sub(const char* caption, int offset, int left = kTextLeft)
{
    return HeadingDef{caption, offset, left, Style::SubHeading};
}

} // namespace

const std::vector<SectionDef>& sections()
{
    static const std::vector<SectionDef> all{
        {0, 4700, {{QUILTRA_TRANSLATABLE("Help", "QUILTRA  OVERVIEW"), -400, kTextLeft, S}},
         //: A box of fixed height: keep about the English length, and the blank lines.
         {QUILTRA_TRANSLATABLE("Help",
          "Quiltra is a picture puzzle. It takes a picture, fits it into the game area, cuts it "
          "into a grid of equal rectangular pieces and shuffles them; your task is to put the "
          "picture together again.\n\n"
          "There are two ways to play. In Puzzle mode the pieces are dealt out at random and you "
          "move them with two clicks: click a piece, then click the piece it should change places "
          "with. In Slider mode one corner piece is taken away to leave an empty space, and you "
          "slide the pieces beside the empty space into it.\n\n"
          "Quiltra comes with 20 pictures, and you can play with your own: bitmaps, GIFs and "
          "JPEGs (files ending in bmp, gif or jpg). A picture larger than the game area is "
          "reduced to fit; a picture of 100 by 100 pixels or less is too small and cannot be "
          "used. The number of sizes on offer depends on the picture's dimensions: a large "
          "picture offers about ten in the standard window, and more in a larger one.\n\n"
          "The game clock in the title bar pauses whenever you turn away: when the window is "
          "minimised or loses the focus, when another Quiltra window opens, or when you press "
          "P. Any key, or your next move, starts it again.")}},
        {900, 1000, {{QUILTRA_TRANSLATABLE("Help", "GETTING HELP"), -400, kTextLeft, S}},
         //: A box of fixed height: keep about the English length, and the blank lines.
         {QUILTRA_TRANSLATABLE("Help",
          "There are two ways to open this document: choose Contents in the Help menu, or press "
          "F1 in the game window. Click an entry of the index to go to its topic; the Using Help "
          "menu lists the keys that move through the document.")}},
        {900, 9600,
         {{QUILTRA_TRANSLATABLE("Help", "USING THE FILE MENU"), -650, kTextLeft, S},
          sub(QUILTRA_TRANSLATABLE("Help", "STARTING A NEW GAME"), -250),
          sub(QUILTRA_TRANSLATABLE("Help", "PUZZLE"), 730, 490),
          sub(QUILTRA_TRANSLATABLE("Help", "SLIDER"), 2150, 490),
          sub(QUILTRA_TRANSLATABLE("Help", "LOADING A GAME"), 5030),
          sub(QUILTRA_TRANSLATABLE("Help", "SAVING CURRENT GAME"), 6460),
          sub(QUILTRA_TRANSLATABLE("Help", "GETTING A NEW PICTURE"), 7430),
          sub(QUILTRA_TRANSLATABLE("Help", "QUITTING QUILTRA"), 8880)},
         //: A box of fixed height: keep about the English length, and the blank lines.
         {QUILTRA_TRANSLATABLE("Help",
          "New Game shuffles the pieces and keeps the puzzle size: New Game > Puzzle (F5) starts "
          "a Puzzle game, New Game > Slider (F6) a Slider game. A click on the whole picture "
          "starts a game in the current mode."),
          //: A box of fixed height: keep about the English length, and the blank lines.
          QUILTRA_TRANSLATABLE("Help",
          "Click a piece to select it, then click the piece it should change places with: the "
          "two swap, and the swap counts as one move. Go on until every piece is in its place; "
          "the clock stops when the picture is complete."),
          //: A box of fixed height: keep about the English length, and the blank lines.
          QUILTRA_TRANSLATABLE("Help",
          "One corner piece is taken away, leaving an empty space. Only a piece directly above, "
          "below, left or right of the empty space can move: click the piece, then click the "
          "empty space, and the piece slides into it. Every slide counts as one move.\n\n"
          "You can also slide with the arrow keys: an arrow moves the piece beside the empty "
          "space in the arrow's direction, so Left slides the piece on the right of the empty "
          "space to the left.\n\n"
          "Shuffling a Slider game takes longer than dealing a Puzzle game, because the pieces "
          "are shuffled by legal slides only, so that every game can be solved."),
          //: A box of fixed height: keep about the English length, and the blank lines.
          QUILTRA_TRANSLATABLE("Help",
          "Load (F7) brings back the last saved game as it was when you saved it. Loading fails "
          "with a message when there is no saved game, or when the saved game's picture has been "
          "moved or removed since."),
          //: A box of fixed height: keep about the English length, and the blank lines.
          QUILTRA_TRANSLATABLE("Help",
          "Save (F8) keeps the game in play, once it has begun. Only one game is kept: saving "
          "replaces the game saved before."),
          //: A box of fixed height: keep about the English length, and the blank lines.
          QUILTRA_TRANSLATABLE("Help",
          "Open (F9) leads to the Open File window, where you can choose any bitmap, GIF or JPEG "
          "file. Your favourite pictures are on the Picture menu (see Using The Picture List)."),
          //: A box of fixed height: keep about the English length, and the blank lines.
          QUILTRA_TRANSLATABLE("Help",
                               "Exit (Ctrl+X) ends Quiltra after asking whether you are sure.")}},
        {900, 1700, {{QUILTRA_TRANSLATABLE("Help", "CHANGING VIEWS"), -400, kTextLeft, S}},
         //: A box of fixed height: keep about the English length, and the blank lines.
         {QUILTRA_TRANSLATABLE("Help",
          "The first item of the View menu (F4) switches between the puzzle and the whole "
          "picture, so that you can look at the original and go back to your game. It names the "
          "view it leads to: Original while the puzzle is shown, Puzzle while the whole picture "
          "is shown.\n\n"
          "Picture Viewer shows the current picture on its own, at its natural size, in place "
          "of the game window (see Picture Viewer Window).")}},
        {900, 4300,
         {{QUILTRA_TRANSLATABLE("Help", "USING THE PICTURE LIST"), -400, kTextLeft, S},
          sub(QUILTRA_TRANSLATABLE("Help", "ADDING TO THE LIST"), 480),
          sub(QUILTRA_TRANSLATABLE("Help", "EDITING THE LIST"), 2160),
          sub(QUILTRA_TRANSLATABLE("Help", "SELECTING  PICTURE FROM  LIST"), 3330)},
         //: A box of fixed height: keep about the English length, and the blank lines.
         {QUILTRA_TRANSLATABLE(
              "Help",
              "The Picture menu holds your list of favourite pictures below the picture in play."),
          //: A box of fixed height: keep about the English length, and the blank lines.
          QUILTRA_TRANSLATABLE("Help",
          "Add puts the picture in play at the bottom of the list, unless it is already there. "
          "The list holds at most 22 pictures: when it is full, Add does nothing, and you must "
          "remove a picture with Edit List before you can add another. The list is saved when "
          "you leave Quiltra."),
          //: A box of fixed height: keep about the English length, and the blank lines.
          QUILTRA_TRANSLATABLE("Help",
          "Edit List opens the Picture List Editor in place of the game window, where you can "
          "add, remove and reorder pictures (see Picture List Editor)."),
          //: A box of fixed height: keep about the English length, and the blank lines.
          QUILTRA_TRANSLATABLE("Help",
          "Choose a picture from the list at the bottom of the Picture menu to open it. The game "
          "in play ends and the new picture is shown whole.")}},
        {800, 1600,
         {{QUILTRA_TRANSLATABLE("Help", "CHANGING THE PUZZLE SIZE"), -350, kTextLeft, S}},
         //: A box of fixed height: keep about the English length, and the blank lines.
         {QUILTRA_TRANSLATABLE("Help",
          "The Size menu shows the current size at its top, such as 4x3=12 (4 columns by 3 rows, "
          "12 pieces), and below it the sizes this picture offers. The sizes depend on the "
          "picture's dimensions and on the size of the game area. Choosing another size ends the "
          "current game and cuts the picture again; click the picture to play at the new size.")}},
        {900, 7600,
         {{QUILTRA_TRANSLATABLE("Help", "USING THE PREFERENCES MENU"), -680, kTextLeft, S},
          sub(QUILTRA_TRANSLATABLE("Help", "CHANGING THE COLORS"), -260),
          sub(QUILTRA_TRANSLATABLE("Help", "ENABLING/DISABLING SOUND"), 2640),
          sub(QUILTRA_TRANSLATABLE("Help", "RESIZING THE GAME AREA"), 4300),
          sub(QUILTRA_TRANSLATABLE("Help", "SAVING PREFERENCES"), 5980)},
         //: A box of fixed height: keep about the English length, and the blank lines.
         {QUILTRA_TRANSLATABLE("Help",
          "Color offers three colours: Background, the colour behind the picture and the "
          "pieces; Selection, the frame around a selected piece; and Hint, the frames that mark "
          "misplaced pieces. Each opens a colour window: pick a colour and press OK to use it, "
          "or press Cancel to keep the colour you had."),
          //: A box of fixed height: keep about the English length, and the blank lines.
          QUILTRA_TRANSLATABLE("Help",
          "Sound Effects switches every sound on or off. Below it, Intro, Move and End switch the "
          "three effects one by one: the sound at start-up, the sound of each move and the sound "
          "of a finished puzzle. They can be changed only while Sound Effects is on."),
          //: A box of fixed height: keep about the English length, and the blank lines.
          QUILTRA_TRANSLATABLE("Help",
          "Screen Size lists six window sizes, from 480 by 600 to 1280 by 1024; the game area and "
          "the picture follow the window. You can also hold down the + key to make the window "
          "larger or the - key to make it smaller (as Manual: - + reminds you): the window "
          "changes when you release the key, and it never gets lower than its smallest height."),
          //: A box of fixed height: keep about the English length, and the blank lines.
          QUILTRA_TRANSLATABLE("Help",
          "Save On Exit, when checked, keeps your colours and sound switches for the next time "
          "you play Quiltra. The window's size and place and the picture list are kept in any "
          "case.")}},
        {800, 1900, {{QUILTRA_TRANSLATABLE("Help", "USING THE HELP MENU"), -400, kTextLeft, S}},
         //: A box of fixed height: keep about the English length, and the blank lines.
         {QUILTRA_TRANSLATABLE("Help",
          "About shows the version of Quiltra. Contents (F1) opens this document. Hint (F2) "
          "marks the pieces that are not in their places. In Puzzle mode a second Hint, with no "
          "move in between, puts a piece in its place: the selected piece, or else the first "
          "misplaced one. In Slider mode hints only mark the misplaced pieces. The last two "
          "items show the rules of Puzzle and of Slider mode.")}},
        {900, 3600,
         {{QUILTRA_TRANSLATABLE("Help", "OPEN FILE WINDOW"), -400, kTextLeft, S},
          sub(QUILTRA_TRANSLATABLE("Help", "VIEWING A PICTURE"), 2650)},
         //: A box of fixed height: keep about the English length, and the blank lines.
         {QUILTRA_TRANSLATABLE("Help",
          "Open in the File menu (F9) opens the Open File window in place of the game window. "
          "Use the Drives and Directories boxes to find the folder that holds your picture; the "
          "Files box lists the pictures in it, and File Types chooses which kinds are listed. "
          "Open a picture by double-clicking it in the Files box, or select it and press Open. "
          "Cancel returns to the game without a new picture. A file that is not a picture, or a "
          "picture too small for a puzzle, is refused with a message. Once a picture is open, "
          "Add in the Picture menu puts it on your list."),
          //: A box of fixed height: keep about the English length, and the blank lines.
          QUILTRA_TRANSLATABLE("Help",
          "With View checked, the selected file is shown beside the list. Click the preview to "
          "see the picture at full size in the Picture Viewer.")}},
        {800, 6000,
         {{QUILTRA_TRANSLATABLE("Help", "PICTURE LIST EDITOR"), -400, kTextLeft, S},
          sub(QUILTRA_TRANSLATABLE("Help", "ADDING/REMOVING PICTURES"), 720),
          sub(QUILTRA_TRANSLATABLE("Help", "VIEWING A PICTURE"), 4070)},
         //: A box of fixed height: keep about the English length, and the blank lines.
         {QUILTRA_TRANSLATABLE("Help",
          "Edit List in the Picture menu opens the Picture List Editor. OK keeps your changes "
          "and saves the list; Cancel leaves the list as it was."),
          //: A box of fixed height: keep about the English length, and the blank lines.
          QUILTRA_TRANSLATABLE("Help",
          "To add pictures, find their folder with the Drives and Directories boxes, select one "
          "or more files in the Files box and press Add, or double-click a file. The pictures "
          "are checked first: a file that is not a valid picture, or a picture too small for a "
          "puzzle, is refused with a message, and a picture already on the list is not added "
          "again. The list holds at most 22 pictures.\n\n"
          "To remove pictures, select them in the Picture List and press Remove, double-click "
          "one, or press Delete. To move a picture to another place in the list, drag it there "
          "with the mouse."),
          //: A box of fixed height: keep about the English length, and the blank lines.
          QUILTRA_TRANSLATABLE("Help",
          "With View checked, the picture selected in either list is shown as a preview. Click "
          "the preview to see the picture at full size in the Picture Viewer; Exit there brings "
          "you back to the editor.")}},
        {800, 4500,
         {{QUILTRA_TRANSLATABLE("Help", "PICTURE VIEWER WINDOW"), -400, kTextLeft, S},
          sub(QUILTRA_TRANSLATABLE("Help", "RESIZING THE PICTURE"), 1170)},
         //: A box of fixed height: keep about the English length, and the blank lines.
         {QUILTRA_TRANSLATABLE("Help",
          "The Picture Viewer shows a picture on its own, first at its natural size. The Size "
          "caption beside the View menu gives the size in twips, 15 to a screen pixel: a picture "
          "of 640 by 480 pixels reads Size : 9600x7200. Click a part of a large picture to bring "
          "it to the middle. Exit returns to the window you came from."),
          //: A box of fixed height: keep about the English length, and the blank lines.
          QUILTRA_TRANSLATABLE("Help",
          "Original Size (F5) returns the picture to its natural size. Fit to screen (F6) fits "
          "the whole picture into the window, which also enlarges a small picture; the Size "
          "caption keeps showing the natural size.\n\n"
          "Zoom (F7) shows the Zoom panel: hold the mouse button down on In (+) or Out (-) to "
          "make the picture larger or smaller, and click OK to hide the panel. You can also hold "
          "down the + or - key. While you zoom, the Size caption follows at once; the picture is "
          "redrawn at the new size when you release the button or the key. A picture grows to "
          "at most 30000 twips and shrinks to no less than 1000.\n\n"
          "Help in the viewer opens this document at this section.")}},
        {600, 3800,
         {{QUILTRA_TRANSLATABLE("Help", "UNDO, KEYS AND BEST TIMES"), -400, kTextLeft, S},
          sub(QUILTRA_TRANSLATABLE("Help", "NEXT MOVE AND SOLVE"), 2700)},
         //: A box of fixed height: keep about the English length, and the blank lines.
         {QUILTRA_TRANSLATABLE("Help",
          "PNG, WebP and TIFF pictures play too. A click or any key skips the intro; the window "
          "can be resized and maximised, and + and = both enlarge it.\n\n"
          "Undo (Ctrl+Z) in the File menu takes back the last swap, slide or Hint placement; "
          "Redo (Ctrl+Shift+Z or Ctrl+Y) makes it again; Restart (Ctrl+R) deals the same game "
          "again. In Puzzle mode the arrows move a dashed cursor and Space or Return clicks "
          "under it.\n\n"
          "A menu key such as F4 does not resume a paused clock. Keyboard Shortcuts (Ctrl+?) in "
          "the Help menu lists every key; Best Times in the File menu, the ten best results."),
          //: A box of fixed height: keep about the English length.
          QUILTRA_TRANSLATABLE("Help",
          "Next Move (F3) in the Help menu makes one move for you; Solve (Shift+F3) plays the "
          "rest until a key or a click stops it. Both count as hints, and a game Solve played "
          "in gets no best time.")}},
    };
    return all;
}

} // namespace quiltra::help
