<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>About</name>
    <message>
        <source>Unauthorised reproduction or distribution of this program, or of any part of it, is unlawful and may be prosecuted.</source>
        <extracomment>Fills a box of fixed size beside the &quot;Warning&quot; title: keep about the English length.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program by the Quiltra developers.
Pictures by NASA, Stefan van der Walt, Rachel Michetti, SpaceX, Clemens Engelhardt, Aitzol Berasategi, Trevor &quot;Freespace&quot;, Jakkub Mede, &quot;Bolly&quot;, Lukas Baubkus, Ian Hex, Dmitri Popov, Martin Klapetek and Risto Saukonpää; see CREDITS.md.</source>
        <extracomment>A box of fixed size in small print: keep about the English length and every name as it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This program is provided &quot;as is&quot;, without warranty of any kind, express or implied. In no event shall the author be liable for any damages whatsoever arising out of the use of this program or the inability to use it.

You may install and use one copy of this program on one computer at a time. You may not sell, rent, lease or distribute copies of the program, in whole or in part, or change it without the author&apos;s written permission.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Quiltra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version 1.3, requires Windows 95</source>
        <extracomment>One line, left of the divider in the middle of the window.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Okay</source>
        <extracomment>A small button.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>License Agreement</source>
        <extracomment>A button about twice as wide as &quot;Okay&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quiltra License Agreement</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BestTimes</name>
    <message>
        <source>Quiltra - Best Times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hints</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No best times yet: each solved game is listed here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear All...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear all best times? They cannot be brought back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The best times could not be cleared in &quot;times.txt&quot;: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Loading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New best time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hints</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The best times could not be saved: %1. They are kept until Quiltra is closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to Quiltra v1.3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to exit the program?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solve the puzzle by switching the location of pieces unitl it resembles the original image.  To move a piece simply click on the piece and then click on the piece you want to switch it with.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzle Mode - Rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solve the puzzle by moving the pieces until a resemblance of the original picture is formed.  A piece can only be moved onto the empty space, by clicking the piece you want moved and then clicking on the empty space.  The empty space must be directly beside the piece that is being moved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slider Mode - Rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size:</source>
        <extracomment>A label in the window title, followed by a blank and the value.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No pictures in Picture List.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This picture cannot be added to the Picture List: its name contains a double quote or a line break.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved game file was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture from saved game was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error in saved game file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game could not be saved: the picture&apos;s name or folder contains a double quote or a line break.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game could not be saved: %1. The previous saved game, if any, is kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Randomizing puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moves:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hints:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slider</source>
        <extracomment>The play mode, in lower case in the window title (&quot;Quiltra - slider: name&quot;) and the Best Times list.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>puzzle</source>
        <extracomment>The play mode, in lower case in the window title (&quot;Quiltra - puzzle: name&quot;) and the Best Times list.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>Stands in place of the clock (&quot; 0:00:00&quot;) in the corner of the menu bar: keep it short.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M</source>
        <extracomment>Short for &quot;Moves&quot; where the corner of the menu bar has little room: one or two letters.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H</source>
        <extracomment>Short for &quot;Hints&quot; where the corner of the menu bar has little room: one or two letters.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Quiltra Overview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Getting Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Using The File Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting A New Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slider</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Getting A New Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading A Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving Current Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quitting Quiltra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changing Views</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Using The Picture List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adding To The List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Editing The List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selecting Picture From List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changing The Puzzle Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Using The Preferences Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changing The Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enabling/Disabling Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resizing The Game Area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Using The Help Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open File Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Viewing A Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture List Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adding/Removing Pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture Viewer Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resizing The Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo, Keys And Best Times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End of the help document. Press Home to return to the index.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QUILTRA  OVERVIEW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quiltra is a picture puzzle. It takes a picture, fits it into the game area, cuts it into a grid of equal rectangular pieces and shuffles them; your task is to put the picture together again.

There are two ways to play. In Puzzle mode the pieces are dealt out at random and you move them with two clicks: click a piece, then click the piece it should change places with. In Slider mode one corner piece is taken away to leave an empty space, and you slide the pieces beside the empty space into it.

Quiltra comes with 20 pictures, and you can play with your own: bitmaps, GIFs and JPEGs (files ending in bmp, gif or jpg). A picture larger than the game area is reduced to fit; a picture of 100 by 100 pixels or less is too small and cannot be used. The number of sizes on offer depends on the picture&apos;s dimensions: a large picture offers about ten in the standard window, and more in a larger one.

The game clock in the title bar pauses whenever you turn away: when the window is minimised or loses the focus, when another Quiltra window opens, or when you press P. Any key, or your next move, starts it again.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GETTING HELP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are two ways to open this document: choose Contents in the Help menu, or press F1 in the game window. Click an entry of the index to go to its topic; the Using Help menu lists the keys that move through the document.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USING THE FILE MENU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STARTING A NEW GAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PUZZLE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SLIDER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOADING A GAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SAVING CURRENT GAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GETTING A NEW PICTURE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QUITTING QUILTRA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Game shuffles the pieces and keeps the puzzle size: New Game &gt; Puzzle (F5) starts a Puzzle game, New Game &gt; Slider (F6) a Slider game. A click on the whole picture starts a game in the current mode.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click a piece to select it, then click the piece it should change places with: the two swap, and the swap counts as one move. Go on until every piece is in its place; the clock stops when the picture is complete.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One corner piece is taken away, leaving an empty space. Only a piece directly above, below, left or right of the empty space can move: click the piece, then click the empty space, and the piece slides into it. Every slide counts as one move.

You can also slide with the arrow keys: an arrow moves the piece beside the empty space in the arrow&apos;s direction, so Left slides the piece on the right of the empty space to the left.

Shuffling a Slider game takes longer than dealing a Puzzle game, because the pieces are shuffled by legal slides only, so that every game can be solved.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load (F7) brings back the last saved game as it was when you saved it. Loading fails with a message when there is no saved game, or when the saved game&apos;s picture has been moved or removed since.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save (F8) keeps the game in play, once it has begun. Only one game is kept: saving replaces the game saved before.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open (F9) leads to the Open File window, where you can choose any bitmap, GIF or JPEG file. Your favourite pictures are on the Picture menu (see Using The Picture List).</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit (Ctrl+X) ends Quiltra after asking whether you are sure.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CHANGING VIEWS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first item of the View menu (F4) switches between the puzzle and the whole picture, so that you can look at the original and go back to your game. It names the view it leads to: Original while the puzzle is shown, Puzzle while the whole picture is shown.

Picture Viewer shows the current picture on its own, at its natural size, in place of the game window (see Picture Viewer Window).</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USING THE PICTURE LIST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADDING TO THE LIST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EDITING THE LIST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SELECTING  PICTURE FROM  LIST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Picture menu holds your list of favourite pictures below the picture in play.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add puts the picture in play at the bottom of the list, unless it is already there. The list holds at most 22 pictures: when it is full, Add does nothing, and you must remove a picture with Edit List before you can add another. The list is saved when you leave Quiltra.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit List opens the Picture List Editor in place of the game window, where you can add, remove and reorder pictures (see Picture List Editor).</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a picture from the list at the bottom of the Picture menu to open it. The game in play ends and the new picture is shown whole.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CHANGING THE PUZZLE SIZE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Size menu shows the current size at its top, such as 4x3=12 (4 columns by 3 rows, 12 pieces), and below it the sizes this picture offers. The sizes depend on the picture&apos;s dimensions and on the size of the game area. Choosing another size ends the current game and cuts the picture again; click the picture to play at the new size.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USING THE PREFERENCES MENU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CHANGING THE COLORS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ENABLING/DISABLING SOUND</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RESIZING THE GAME AREA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SAVING PREFERENCES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color offers three colours: Background, the colour behind the picture and the pieces; Selection, the frame around a selected piece; and Hint, the frames that mark misplaced pieces. Each opens a colour window: pick a colour and press OK to use it, or press Cancel to keep the colour you had.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound Effects switches every sound on or off. Below it, Intro, Move and End switch the three effects one by one: the sound at start-up, the sound of each move and the sound of a finished puzzle. They can be changed only while Sound Effects is on.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen Size lists six window sizes, from 480 by 600 to 1280 by 1024; the game area and the picture follow the window. You can also hold down the + key to make the window larger or the - key to make it smaller (as Manual: - + reminds you): the window changes when you release the key, and it never gets lower than its smallest height.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save On Exit, when checked, keeps your colours and sound switches for the next time you play Quiltra. The window&apos;s size and place and the picture list are kept in any case.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USING THE HELP MENU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About shows the version of Quiltra. Contents (F1) opens this document. Hint (F2) marks the pieces that are not in their places. In Puzzle mode a second Hint, with no move in between, puts a piece in its place: the selected piece, or else the first misplaced one. In Slider mode hints only mark the misplaced pieces. The last two items show the rules of Puzzle and of Slider mode.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OPEN FILE WINDOW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VIEWING A PICTURE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open in the File menu (F9) opens the Open File window in place of the game window. Use the Drives and Directories boxes to find the folder that holds your picture; the Files box lists the pictures in it, and File Types chooses which kinds are listed. Open a picture by double-clicking it in the Files box, or select it and press Open. Cancel returns to the game without a new picture. A file that is not a picture, or a picture too small for a puzzle, is refused with a message. Once a picture is open, Add in the Picture menu puts it on your list.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With View checked, the selected file is shown beside the list. Click the preview to see the picture at full size in the Picture Viewer.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PICTURE LIST EDITOR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADDING/REMOVING PICTURES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit List in the Picture menu opens the Picture List Editor. OK keeps your changes and saves the list; Cancel leaves the list as it was.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To add pictures, find their folder with the Drives and Directories boxes, select one or more files in the Files box and press Add, or double-click a file. The pictures are checked first: a file that is not a valid picture, or a picture too small for a puzzle, is refused with a message, and a picture already on the list is not added again. The list holds at most 22 pictures.

To remove pictures, select them in the Picture List and press Remove, double-click one, or press Delete. To move a picture to another place in the list, drag it there with the mouse.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With View checked, the picture selected in either list is shown as a preview. Click the preview to see the picture at full size in the Picture Viewer; Exit there brings you back to the editor.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PICTURE VIEWER WINDOW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RESIZING THE PICTURE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Picture Viewer shows a picture on its own, first at its natural size. The Size caption beside the View menu gives the size in twips, 15 to a screen pixel: a picture of 640 by 480 pixels reads Size : 9600x7200. Click a part of a large picture to bring it to the middle. Exit returns to the window you came from.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original Size (F5) returns the picture to its natural size. Fit to screen (F6) fits the whole picture into the window, which also enlarges a small picture; the Size caption keeps showing the natural size.

Zoom (F7) shows the Zoom panel: hold the mouse button down on In (+) or Out (-) to make the picture larger or smaller, and click OK to hide the panel. You can also hold down the + or - key. While you zoom, the Size caption follows at once; the picture is redrawn at the new size when you release the button or the key. A picture grows to at most 30000 twips and shrinks to no less than 1000.

Help in the viewer opens this document at this section.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UNDO, KEYS AND BEST TIMES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z) in the File menu takes back the last swap, slide or piece placed by Hint, back to the deal; Redo (Ctrl+Shift+Z or Ctrl+Y) makes it again. A new game, size or picture, Load and the finish start afresh.

In Puzzle mode the arrow keys move a dashed cursor from cell to cell, and Space or Return clicks the piece under it; in Slider mode the arrows slide, and Space or Return click under the cursor.

The ten best results of each picture, size and mode are kept; a new best is shown over the whole picture. Best Times in the File menu lists them.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Quiltra -  Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Using Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on one of the index topics to move to that topic.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the up/down arrow keys to scroll up or down.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the Pg Up/Pg Dn keys to move up or down a page at a time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the HOME/END keys to move to the start/end of the help document.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quiltra Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Puzzle</source>
        <extracomment>In File &gt; New Game and in Help (the rules): its mnemonic must be free in both menus.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Slider</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best &amp;Times...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzle</source>
        <extracomment>The View command names the view it switches to: the puzzle.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture &amp;Viewer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pr&amp;eferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <extracomment>In Preferences &gt; Color (the hint&apos;s colour) and in Help (ask for a hint): its mnemonic must be free in both menus.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sound Effects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Intro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Screen Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual: - +</source>
        <extracomment>A reminder (choosing it does nothing) that the + and - keys make the window larger and smaller; the Help document quotes it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;ave On Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>480 by 600</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>720 by 600</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>800 by 600</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1024 by 768</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1152 by 864</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1280 by 1024</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Slidder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original</source>
        <extracomment>The View command names the view it switches to: the original picture.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Path not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to read image data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture is too large to open (%1 x %2 pixels)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough memory to open the picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture file is incomplete: it ends before all of its picture data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is empty and holds no picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device unavailable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture is too small to divide into a puzzle.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OpenPicture</name>
    <message>
        <source>All graphic files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmap: *.bmp</source>
        <extracomment>A file type; keep the pattern after the colon as it stands.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIF: *.gif</source>
        <extracomment>A file type; keep the pattern after the colon as it stands.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPEG: *.jpg</source>
        <extracomment>A file type; keep the pattern after the colon as it stands.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG: *.png</source>
        <extracomment>A file type; keep the pattern after the colon as it stands.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WebP: *.webp</source>
        <extracomment>A file type; keep the pattern after the colon as it stands.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TIFF: *.tif</source>
        <extracomment>A file type; keep the pattern after the colon as it stands.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quiltra - Open Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading %1</source>
        <extracomment>The window&apos;s caption while the picture %1 (its file name) loads.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the Drives and Directories boxes to find the directory containing the picture you want to open. To open a file from the Files box double click on the file or select the file and then press the Open button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Once opened you can add the picture to the Picture List by using the Add option in the Pictures menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drives:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Directories:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Types</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureListEditor</name>
    <message>
        <source>Quiltra - Picture List Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add or remove pictures from the Picture List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drives:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Directories:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the Drives and Directories boxes to find the directory containing the picture you want to add. The files are list in the Files box.  </source>
        <extracomment>The two blanks at the end belong to the text.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add -&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;- Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture List:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be added to the Picture List: its name or folder contains a double quote or a line break.</source>
        <extracomment>%1 is a file name, shown in the double quotes around it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureViewer</name>
    <message>
        <source>Quiltra - Picture Viewer:  Press Exit to return to previous screen.</source>
        <extracomment>The two blanks after the colon belong to the title.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Original Size </source>
        <extracomment>The blank at the end belongs to the caption.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fit to screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size: size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In (+)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out (-)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Natural size %1 x %2 pixels, shown from a copy of %3 x %4 pixels to save memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size : %1x%2</source>
        <extracomment>%1 and %2 are the width and height in twips.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>The settings could not be saved to &quot;init.txt&quot;: %1. The previous settings file is unchanged.</source>
        <extracomment>%1 is the system&apos;s description of the failure; &quot;init.txt&quot; is a file name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
