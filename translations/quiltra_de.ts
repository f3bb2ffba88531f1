<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>About</name>
    <message>
        <source>Unauthorised reproduction or distribution of this program, or of any part of it, is unlawful and may be prosecuted.</source>
        <extracomment>Fills a box of fixed size beside the &quot;Warning&quot; title: keep about the English length.</extracomment>
        <translation>Unerlaubtes Kopieren oder Verbreiten dieses Programms, auch in Teilen, ist rechtswidrig und kann verfolgt werden.</translation>
    </message>
    <message>
        <source>Program by the Quiltra developers.
Pictures by NASA, Stefan van der Walt, Rachel Michetti, SpaceX, Clemens Engelhardt, Aitzol Berasategi, Trevor &quot;Freespace&quot;, Jakkub Mede, &quot;Bolly&quot;, Lukas Baubkus, Ian Hex, Dmitri Popov, Martin Klapetek and Risto Saukonpää; see CREDITS.md.</source>
        <extracomment>A box of fixed size in small print: keep about the English length and every name as it is.</extracomment>
        <translation>Programm von den Quiltra-Entwicklern.
Bilder von NASA, Stefan van der Walt, Rachel Michetti, SpaceX, Clemens Engelhardt, Aitzol Berasategi, Trevor „Freespace“, Jakkub Mede, „Bolly“, Lukas Baubkus, Ian Hex, Dmitri Popov, Martin Klapetek und Risto Saukonpää; siehe CREDITS.md.</translation>
    </message>
    <message>
        <source>This program is provided &quot;as is&quot;, without warranty of any kind, express or implied. In no event shall the author be liable for any damages whatsoever arising out of the use of this program or the inability to use it.

You may install and use one copy of this program on one computer at a time. You may not sell, rent, lease or distribute copies of the program, in whole or in part, or change it without the author&apos;s written permission.</source>
        <translation>Dieses Programm wird „wie besehen“ und ohne jegliche ausdrückliche oder stillschweigende Gewährleistung bereitgestellt. Der Autor haftet in keinem Fall für Schäden, die aus der Nutzung dieses Programms oder der Unmöglichkeit seiner Nutzung entstehen.

Sie dürfen jeweils eine Kopie dieses Programms auf einem Computer installieren und nutzen. Ohne schriftliche Genehmigung des Autors dürfen Sie das Programm weder ganz noch teilweise verkaufen, vermieten, verleasen oder weitergeben und es nicht verändern.</translation>
    </message>
    <message>
        <source>About Quiltra</source>
        <translation>Über Quiltra</translation>
    </message>
    <message>
        <source>Version 1.3, requires Windows 95</source>
        <extracomment>One line, left of the divider in the middle of the window.</extracomment>
        <translation>Version 1.3, benötigt Windows 95</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Okay</source>
        <extracomment>A small button.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <extracomment>A button about twice as wide as &quot;Okay&quot;.</extracomment>
        <translation>Lizenzvertrag</translation>
    </message>
    <message>
        <source>Quiltra License Agreement</source>
        <translation>Quiltra-Lizenzvertrag</translation>
    </message>
</context>
<context>
    <name>BestTimes</name>
    <message>
        <source>Quiltra - Best Times</source>
        <translation>Quiltra - Bestzeiten</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Raster</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Tipps</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>No best times yet: each solved game is listed here.</source>
        <translation>Noch keine Bestzeiten: Jedes gelöste Spiel wird hier aufgeführt.</translation>
    </message>
    <message>
        <source>&amp;Clear All...</source>
        <translation>&amp;Alle löschen...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Clear all best times? They cannot be brought back.</source>
        <translation>Alle Bestzeiten löschen? Sie lassen sich nicht wiederherstellen.</translation>
    </message>
    <message>
        <source>The best times could not be cleared in &quot;times.txt&quot;: %1.</source>
        <translation>Die Bestzeiten in „times.txt“ konnten nicht gelöscht werden: %1.</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Loading</source>
        <translation>Wird geladen</translation>
    </message>
    <message>
        <source>New best time</source>
        <translation>Neue Bestzeit</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Tipps</translation>
    </message>
    <message>
        <source>The best times could not be saved: %1. They are kept until Quiltra is closed.</source>
        <translation>Die Bestzeiten konnten nicht gespeichert werden: %1. Sie bleiben erhalten, bis Quiltra geschlossen wird.</translation>
    </message>
    <message>
        <source>The best times could not be read, so this result was not saved: %1. &quot;times.txt&quot; is left as it is, and the result is kept until Quiltra is closed.</source>
        <extracomment>%1 is the system&apos;s description of the failure; &quot;times.txt&quot; is a file name.</extracomment>
        <translation>Die Bestzeiten konnten nicht gelesen werden, daher wurde dieses Ergebnis nicht gespeichert: %1. „times.txt“ bleibt unverändert, und das Ergebnis bleibt erhalten, bis Quiltra geschlossen wird.</translation>
    </message>
    <message>
        <source>another Quiltra is using the file</source>
        <translation>ein anderes Quiltra verwendet die Datei</translation>
    </message>
    <message>
        <source>Welcome to Quiltra v1.3</source>
        <translation>Willkommen bei Quiltra v1.3</translation>
    </message>
    <message>
        <source>Are you sure you want to exit the program?</source>
        <translation>Möchten Sie das Programm wirklich beenden?</translation>
    </message>
    <message>
        <source>Solve the puzzle by switching the location of pieces unitl it resembles the original image.  To move a piece simply click on the piece and then click on the piece you want to switch it with.</source>
        <translation>Lösen Sie das Puzzle, indem Sie Teile vertauschen, bis das Originalbild wieder entsteht.  Um ein Teil zu bewegen, klicken Sie es an und dann das Teil, mit dem es den Platz tauschen soll.</translation>
    </message>
    <message>
        <source>Puzzle Mode - Rules</source>
        <translation>Tauschpuzzle - Regeln</translation>
    </message>
    <message>
        <source>Solve the puzzle by moving the pieces until a resemblance of the original picture is formed.  A piece can only be moved onto the empty space, by clicking the piece you want moved and then clicking on the empty space.  The empty space must be directly beside the piece that is being moved.</source>
        <translation>Lösen Sie das Puzzle, indem Sie die Teile verschieben, bis das Originalbild wieder entsteht.  Ein Teil kann nur auf das freie Feld gezogen werden: Klicken Sie das Teil an, das bewegt werden soll, und dann das freie Feld.  Das freie Feld muss direkt neben dem Teil liegen.</translation>
    </message>
    <message>
        <source>Slider Mode - Rules</source>
        <translation>Schiebepuzzle - Regeln</translation>
    </message>
    <message>
        <source>Size:</source>
        <extracomment>A label in the window title, followed by a blank and the value.</extracomment>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>No pictures in Picture List.</source>
        <translation>Keine Bilder in der Bilderliste.</translation>
    </message>
    <message>
        <source>This picture cannot be added to the Picture List: its name contains a double quote or a line break.</source>
        <translation>Dieses Bild kann nicht zur Bilderliste hinzugefügt werden: Sein Name enthält ein doppeltes Anführungszeichen oder einen Zeilenumbruch.</translation>
    </message>
    <message>
        <source>Saved game file was not found.</source>
        <translation>Die Datei des gespeicherten Spiels wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Picture from saved game was not found.</source>
        <translation>Das Bild des gespeicherten Spiels wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Error in saved game file.</source>
        <translation>Fehler in der Datei des gespeicherten Spiels.</translation>
    </message>
    <message>
        <source>The game could not be saved: the picture&apos;s name or folder contains a double quote or a line break.</source>
        <translation>Das Spiel konnte nicht gespeichert werden: Name oder Ordner des Bildes enthält ein doppeltes Anführungszeichen oder einen Zeilenumbruch.</translation>
    </message>
    <message>
        <source>The game could not be saved: %1. The previous saved game, if any, is kept.</source>
        <translation>Das Spiel konnte nicht gespeichert werden: %1. Ein zuvor gespeichertes Spiel bleibt erhalten.</translation>
    </message>
    <message>
        <source>Randomizing puzzle</source>
        <translation>Puzzle wird gemischt</translation>
    </message>
    <message>
        <source>Moves:</source>
        <translation>Züge:</translation>
    </message>
    <message>
        <source>Hints:</source>
        <translation>Tipps:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source>slider</source>
        <extracomment>The play mode, in lower case in the window title (&quot;Quiltra - slider: name&quot;) and the Best Times list.</extracomment>
        <translation>Schiebepuzzle</translation>
    </message>
    <message>
        <source>puzzle</source>
        <extracomment>The play mode, in lower case in the window title (&quot;Quiltra - puzzle: name&quot;) and the Best Times list.</extracomment>
        <translation>Tauschpuzzle</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>Stands in place of the clock (&quot; 0:00:00&quot;) in the corner of the menu bar: keep it short.</extracomment>
        <translation>Pausiert</translation>
    </message>
    <message>
        <source>M</source>
        <extracomment>Short for &quot;Moves&quot; where the corner of the menu bar has little room: one or two letters.</extracomment>
        <translation>Z</translation>
    </message>
    <message>
        <source>H</source>
        <extracomment>Short for &quot;Hints&quot; where the corner of the menu bar has little room: one or two letters.</extracomment>
        <translation>T</translation>
    </message>
    <message>
        <source>Solved for you</source>
        <extracomment>The banner over the whole picture after a game Help &gt; Solve finished or helped finish.</extracomment>
        <translation>Für Sie gelöst</translation>
    </message>
    <message>
        <source>Thinking...</source>
        <extracomment>In the menu bar&apos;s corner while the solver works out the next moves for Next Move or Solve.</extracomment>
        <translation>Denke nach...</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Quiltra Overview</source>
        <translation>Quiltra im Überblick</translation>
    </message>
    <message>
        <source>Getting Help</source>
        <translation>Hilfe aufrufen</translation>
    </message>
    <message>
        <source>Using The File Menu</source>
        <translation>Das Menü Datei</translation>
    </message>
    <message>
        <source>Starting A New Game</source>
        <translation>Neues Spiel starten</translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation>Tauschpuzzle</translation>
    </message>
    <message>
        <source>Slider</source>
        <translation>Schiebepuzzle</translation>
    </message>
    <message>
        <source>Getting A New Picture</source>
        <translation>Neues Bild öffnen</translation>
    </message>
    <message>
        <source>Loading A Game</source>
        <translation>Spiel laden</translation>
    </message>
    <message>
        <source>Saving Current Game</source>
        <translation>Spiel speichern</translation>
    </message>
    <message>
        <source>Quitting Quiltra</source>
        <translation>Quiltra beenden</translation>
    </message>
    <message>
        <source>Changing Views</source>
        <translation>Ansicht wechseln</translation>
    </message>
    <message>
        <source>Using The Picture List</source>
        <translation>Die Bilderliste</translation>
    </message>
    <message>
        <source>Adding To The List</source>
        <translation>Zur Liste hinzufügen</translation>
    </message>
    <message>
        <source>Editing The List</source>
        <translation>Liste bearbeiten</translation>
    </message>
    <message>
        <source>Selecting Picture From List</source>
        <translation>Bild aus der Liste wählen</translation>
    </message>
    <message>
        <source>Changing The Puzzle Size</source>
        <translation>Puzzlegröße ändern</translation>
    </message>
    <message>
        <source>Using The Preferences Menu</source>
        <translation>Das Menü Einstellungen</translation>
    </message>
    <message>
        <source>Changing The Colors</source>
        <translation>Farben ändern</translation>
    </message>
    <message>
        <source>Enabling/Disabling Sound</source>
        <translation>Sound ein-/ausschalten</translation>
    </message>
    <message>
        <source>Resizing The Game Area</source>
        <translation>Größe der Spielfläche</translation>
    </message>
    <message>
        <source>Saving Preferences</source>
        <translation>Einstellungen speichern</translation>
    </message>
    <message>
        <source>Using The Help Menu</source>
        <translation>Das Menü Hilfe</translation>
    </message>
    <message>
        <source>Open File Window</source>
        <translation>Fenster Bild öffnen</translation>
    </message>
    <message>
        <source>Viewing A Picture</source>
        <translation>Bildvorschau</translation>
    </message>
    <message>
        <source>Picture List Editor</source>
        <translation>Bilderlisten-Editor</translation>
    </message>
    <message>
        <source>Adding/Removing Pictures</source>
        <translation>Bilder hinzufügen/entfernen</translation>
    </message>
    <message>
        <source>Picture Viewer Window</source>
        <translation>Der Bildbetrachter</translation>
    </message>
    <message>
        <source>Resizing The Picture</source>
        <translation>Bildgröße ändern</translation>
    </message>
    <message>
        <source>Undo, Keys And Best Times</source>
        <translation>Rückgängig, Tasten, Bestzeiten</translation>
    </message>
    <message>
        <source>Next Move And Solve</source>
        <translation>Nächster Zug und Lösen</translation>
    </message>
    <message>
        <source>End of the help document. Press Home to return to the index.</source>
        <translation>Ende des Hilfedokuments. Mit Pos1 kehren Sie zum Inhaltsverzeichnis zurück.</translation>
    </message>
    <message>
        <source>QUILTRA  OVERVIEW</source>
        <translation>QUILTRA  IM ÜBERBLICK</translation>
    </message>
    <message>
        <source>Quiltra is a picture puzzle. It takes a picture, fits it into the game area, cuts it into a grid of equal rectangular pieces and shuffles them; your task is to put the picture together again.

There are two ways to play. In Puzzle mode the pieces are dealt out at random and you move them with two clicks: click a piece, then click the piece it should change places with. In Slider mode one corner piece is taken away to leave an empty space, and you slide the pieces beside the empty space into it.

Quiltra comes with 20 pictures, and you can play with your own: bitmaps, GIFs and JPEGs (files ending in bmp, gif or jpg). A picture larger than the game area is reduced to fit; a picture of 100 by 100 pixels or less is too small and cannot be used. The number of sizes on offer depends on the picture&apos;s dimensions: a large picture offers about ten in the standard window, and more in a larger one.

The game clock in the title bar pauses whenever you turn away: when the window is minimised or loses the focus, when another Quiltra window opens, or when you press P. Any key, or your next move, starts it again.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Quiltra ist ein Bilderpuzzle. Es passt ein Bild in die Spielfläche ein, zerschneidet es in ein Raster gleich großer rechteckiger Teile und mischt diese; Ihre Aufgabe ist es, das Bild wieder zusammenzusetzen.

Es gibt zwei Modi. Beim Tauschpuzzle werden die Teile zufällig verteilt, und Sie bewegen sie mit zwei Klicks: Klicken Sie ein Teil an und dann das Teil, mit dem es den Platz tauschen soll. Beim Schiebepuzzle wird ein Eckteil entfernt, sodass ein freies Feld entsteht, und Sie schieben die Teile daneben hinein.

Quiltra bringt 20 Bilder mit, und Sie können eigene verwenden: Bitmaps, GIFs und JPEGs (Dateien mit der Endung bmp, gif oder jpg). Ein Bild, das größer als die Spielfläche ist, wird verkleinert; ein Bild von 100 x 100 Pixeln oder weniger ist zu klein. Wie viele Größen angeboten werden, hängt von den Maßen des Bildes ab: Ein großes Bild bietet im Standardfenster etwa zehn, in einem größeren Fenster mehr.

Die Spieluhr in der Titelleiste hält an, sobald Sie sich abwenden: wenn das Fenster minimiert wird oder den Fokus verliert, wenn sich ein anderes Quiltra-Fenster öffnet oder wenn Sie P drücken. Jede Taste oder Ihr nächster Zug lässt sie weiterlaufen.</translation>
    </message>
    <message>
        <source>GETTING HELP</source>
        <translation>HILFE AUFRUFEN</translation>
    </message>
    <message>
        <source>There are two ways to open this document: choose Contents in the Help menu, or press F1 in the game window. Click an entry of the index to go to its topic; the Using Help menu lists the keys that move through the document.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Dieses Dokument öffnen Sie auf zwei Arten: mit Inhalt im Menü Hilfe oder mit F1 im Spielfenster. Ein Klick auf einen Eintrag des Inhaltsverzeichnisses führt zu seinem Thema; das Menü Hilfe benutzen nennt die Tasten, mit denen Sie im Dokument blättern.</translation>
    </message>
    <message>
        <source>USING THE FILE MENU</source>
        <translation>DAS MENÜ DATEI</translation>
    </message>
    <message>
        <source>STARTING A NEW GAME</source>
        <translation>NEUES SPIEL STARTEN</translation>
    </message>
    <message>
        <source>PUZZLE</source>
        <translation>TAUSCHPUZZLE</translation>
    </message>
    <message>
        <source>SLIDER</source>
        <translation>SCHIEBEPUZZLE</translation>
    </message>
    <message>
        <source>LOADING A GAME</source>
        <translation>SPIEL LADEN</translation>
    </message>
    <message>
        <source>SAVING CURRENT GAME</source>
        <translation>SPIEL SPEICHERN</translation>
    </message>
    <message>
        <source>GETTING A NEW PICTURE</source>
        <translation>NEUES BILD ÖFFNEN</translation>
    </message>
    <message>
        <source>QUITTING QUILTRA</source>
        <translation>QUILTRA BEENDEN</translation>
    </message>
    <message>
        <source>New Game shuffles the pieces and keeps the puzzle size: New Game &gt; Puzzle (F5) starts a Puzzle game, New Game &gt; Slider (F6) a Slider game. A click on the whole picture starts a game in the current mode.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Neues Spiel mischt die Teile und behält die Puzzlegröße: Neues Spiel &gt; Tauschpuzzle (F5) startet ein Tauschpuzzle, Neues Spiel &gt; Schiebepuzzle (F6) ein Schiebepuzzle. Ein Klick auf das ganze Bild startet ein Spiel im aktuellen Modus.</translation>
    </message>
    <message>
        <source>Click a piece to select it, then click the piece it should change places with: the two swap, and the swap counts as one move. Go on until every piece is in its place; the clock stops when the picture is complete.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Klicken Sie ein Teil an, um es auszuwählen, und dann das Teil, mit dem es den Platz tauschen soll: Die beiden tauschen, und der Tausch zählt als ein Zug. Machen Sie weiter, bis jedes Teil an seinem Platz ist; die Uhr hält an, wenn das Bild vollständig ist.</translation>
    </message>
    <message>
        <source>One corner piece is taken away, leaving an empty space. Only a piece directly above, below, left or right of the empty space can move: click the piece, then click the empty space, and the piece slides into it. Every slide counts as one move.

You can also slide with the arrow keys: an arrow moves the piece beside the empty space in the arrow&apos;s direction, so Left slides the piece on the right of the empty space to the left.

Shuffling a Slider game takes longer than dealing a Puzzle game, because the pieces are shuffled by legal slides only, so that every game can be solved.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Ein Eckteil wird entfernt; so entsteht ein freies Feld. Nur ein Teil direkt über, unter, links oder rechts davon kann sich bewegen: Klicken Sie das Teil an, dann das freie Feld, und das Teil rutscht hinein. Jedes Schieben zählt als ein Zug.

Auch die Pfeiltasten schieben: Ein Pfeil bewegt das Teil neben dem freien Feld in seine Richtung; Links schiebt also das Teil rechts vom freien Feld nach links.

Ein Schiebepuzzle zu mischen dauert länger als ein Tauschpuzzle, denn es wird nur mit erlaubten Zügen gemischt, damit jedes Spiel lösbar ist.</translation>
    </message>
    <message>
        <source>Load (F7) brings back the last saved game as it was when you saved it. Loading fails with a message when there is no saved game, or when the saved game&apos;s picture has been moved or removed since.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Laden (F7) holt das zuletzt gespeicherte Spiel so zurück, wie es beim Speichern war. Laden scheitert mit einer Meldung, wenn es kein gespeichertes Spiel gibt oder wenn dessen Bild inzwischen verschoben oder entfernt wurde.</translation>
    </message>
    <message>
        <source>Save (F8) keeps the game in play, once it has begun. Only one game is kept: saving replaces the game saved before.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Speichern (F8) sichert das laufende Spiel, sobald es begonnen hat. Nur ein Spiel wird aufbewahrt: Speichern ersetzt das zuvor gespeicherte.</translation>
    </message>
    <message>
        <source>Open (F9) leads to the Open File window, where you can choose any bitmap, GIF or JPEG file. Your favourite pictures are on the Picture menu (see Using The Picture List).</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Öffnen (F9) führt zum Fenster Bild öffnen, in dem Sie jede Bitmap-, GIF- oder JPEG-Datei wählen können. Ihre Lieblingsbilder stehen im Menü Bild (siehe Die Bilderliste).</translation>
    </message>
    <message>
        <source>Exit (Ctrl+X) ends Quiltra after asking whether you are sure.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Beenden (Strg+X) beendet Quiltra nach einer Rückfrage.</translation>
    </message>
    <message>
        <source>CHANGING VIEWS</source>
        <translation>ANSICHT WECHSELN</translation>
    </message>
    <message>
        <source>The first item of the View menu (F4) switches between the puzzle and the whole picture, so that you can look at the original and go back to your game. It names the view it leads to: Original while the puzzle is shown, Puzzle while the whole picture is shown.

Picture Viewer shows the current picture on its own, at its natural size, in place of the game window (see Picture Viewer Window).</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Der erste Eintrag im Menü Ansicht (F4) wechselt zwischen dem Puzzle und dem ganzen Bild, sodass Sie das Original ansehen und zu Ihrem Spiel zurückkehren können. Er nennt die Ansicht, zu der er führt: Original, solange das Puzzle zu sehen ist, Puzzle, solange das ganze Bild zu sehen ist.

Bildbetrachter zeigt das aktuelle Bild allein in natürlicher Größe anstelle des Spielfensters (siehe Der Bildbetrachter).</translation>
    </message>
    <message>
        <source>USING THE PICTURE LIST</source>
        <translation>DIE BILDERLISTE</translation>
    </message>
    <message>
        <source>ADDING TO THE LIST</source>
        <translation>ZUR LISTE HINZUFÜGEN</translation>
    </message>
    <message>
        <source>EDITING THE LIST</source>
        <translation>LISTE BEARBEITEN</translation>
    </message>
    <message>
        <source>SELECTING  PICTURE FROM  LIST</source>
        <translation>BILD  AUS DER  LISTE WÄHLEN</translation>
    </message>
    <message>
        <source>The Picture menu holds your list of favourite pictures below the picture in play.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Das Menü Bild enthält unter dem Bild im Spiel Ihre Liste der Lieblingsbilder.</translation>
    </message>
    <message>
        <source>Add puts the picture in play at the bottom of the list, unless it is already there. The list holds at most 22 pictures: when it is full, Add does nothing, and you must remove a picture with Edit List before you can add another. The list is saved when you leave Quiltra.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Hinzufügen setzt das Bild im Spiel ans Ende der Liste, sofern es dort noch fehlt. Die Liste fasst höchstens 22 Bilder: Ist sie voll, bewirkt Hinzufügen nichts, und Sie müssen erst mit Liste bearbeiten ein Bild entfernen. Die Liste wird gespeichert, wenn Sie Quiltra beenden.</translation>
    </message>
    <message>
        <source>Edit List opens the Picture List Editor in place of the game window, where you can add, remove and reorder pictures (see Picture List Editor).</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Liste bearbeiten öffnet anstelle des Spielfensters den Bilderlisten-Editor, in dem Sie Bilder hinzufügen, entfernen und umordnen können (siehe Bilderlisten-Editor).</translation>
    </message>
    <message>
        <source>Choose a picture from the list at the bottom of the Picture menu to open it. The game in play ends and the new picture is shown whole.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Wählen Sie ein Bild aus der Liste unten im Menü Bild, um es zu öffnen. Das laufende Spiel endet, und das neue Bild wird ganz gezeigt.</translation>
    </message>
    <message>
        <source>CHANGING THE PUZZLE SIZE</source>
        <translation>PUZZLEGRÖSSE ÄNDERN</translation>
    </message>
    <message>
        <source>The Size menu shows the current size at its top, such as 4x3=12 (4 columns by 3 rows, 12 pieces), and below it the sizes this picture offers. The sizes depend on the picture&apos;s dimensions and on the size of the game area. Choosing another size ends the current game and cuts the picture again; click the picture to play at the new size.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Das Menü Größe zeigt oben die aktuelle Größe, etwa 4x3=12 (4 Spalten mal 3 Zeilen, 12 Teile), darunter die Größen, die dieses Bild bietet. Sie hängen von den Maßen des Bildes und der Größe der Spielfläche ab. Eine andere Größe beendet das laufende Spiel und zerschneidet das Bild neu; klicken Sie auf das Bild, um in der neuen Größe zu spielen.</translation>
    </message>
    <message>
        <source>USING THE PREFERENCES MENU</source>
        <translation>DAS MENÜ EINSTELLUNGEN</translation>
    </message>
    <message>
        <source>CHANGING THE COLORS</source>
        <translation>FARBEN ÄNDERN</translation>
    </message>
    <message>
        <source>ENABLING/DISABLING SOUND</source>
        <translation>SOUND EIN-/AUSSCHALTEN</translation>
    </message>
    <message>
        <source>RESIZING THE GAME AREA</source>
        <translation>GRÖSSE DER SPIELFLÄCHE</translation>
    </message>
    <message>
        <source>SAVING PREFERENCES</source>
        <translation>EINSTELLUNGEN SPEICHERN</translation>
    </message>
    <message>
        <source>Color offers three colours: Background, the colour behind the picture and the pieces; Selection, the frame around a selected piece; and Hint, the frames that mark misplaced pieces. Each opens a colour window: pick a colour and press OK to use it, or press Cancel to keep the colour you had.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Farbe bietet drei Farben: Hintergrund, die Farbe hinter Bild und Teilen; Auswahl, den Rahmen um ein ausgewähltes Teil; und Tipp, die Rahmen um falsch liegende Teile. Jede öffnet ein Farbfenster: Wählen Sie eine Farbe und drücken Sie OK, oder drücken Sie Abbrechen, um die bisherige Farbe zu behalten.</translation>
    </message>
    <message>
        <source>Sound Effects switches every sound on or off. Below it, Intro, Move and End switch the three effects one by one: the sound at start-up, the sound of each move and the sound of a finished puzzle. They can be changed only while Sound Effects is on.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Soundeffekte schaltet alle Klänge ein oder aus. Darunter schalten Intro, Zug und Ende die drei Effekte einzeln: den Klang beim Start, den Klang jedes Zuges und den Klang eines fertigen Puzzles. Sie lassen sich nur ändern, solange Soundeffekte eingeschaltet ist.</translation>
    </message>
    <message>
        <source>Screen Size lists six window sizes, from 480 by 600 to 1280 by 1024; the game area and the picture follow the window. You can also hold down the + key to make the window larger or the - key to make it smaller (as Manual: - + reminds you): the window changes when you release the key, and it never gets lower than its smallest height.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Fenstergröße bietet sechs Fenstergrößen von 480 x 600 bis 1280 x 1024; Spielfläche und Bild passen sich dem Fenster an. Sie können auch die Taste + gedrückt halten, um das Fenster zu vergrößern, oder -, um es zu verkleinern (daran erinnert Manuell: - +): Das Fenster ändert sich beim Loslassen der Taste und wird nie niedriger als seine kleinste Höhe.</translation>
    </message>
    <message>
        <source>Save On Exit, when checked, keeps your colours and sound switches for the next time you play Quiltra. The window&apos;s size and place and the picture list are kept in any case.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Ist Beim Beenden speichern angehakt, bleiben Ihre Farben und Sound-Schalter für das nächste Spiel erhalten. Größe und Lage des Fensters sowie die Bilderliste werden in jedem Fall gespeichert.</translation>
    </message>
    <message>
        <source>USING THE HELP MENU</source>
        <translation>DAS MENÜ HILFE</translation>
    </message>
    <message>
        <source>About shows the version of Quiltra. Contents (F1) opens this document. Hint (F2) marks the pieces that are not in their places. In Puzzle mode a second Hint, with no move in between, puts a piece in its place: the selected piece, or else the first misplaced one. In Slider mode hints only mark the misplaced pieces. The last two items show the rules of Puzzle and of Slider mode.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Über Quiltra zeigt die Version von Quiltra. Inhalt (F1) öffnet dieses Dokument. Tipp (F2) markiert die Teile, die nicht an ihrem Platz sind. Beim Tauschpuzzle setzt ein zweiter Tipp ohne Zug dazwischen ein Teil an seinen Platz: das ausgewählte oder sonst das erste falsch liegende. Beim Schiebepuzzle markieren Tipps nur die falsch liegenden Teile. Die letzten beiden Einträge zeigen die Regeln von Tauschpuzzle und Schiebepuzzle.</translation>
    </message>
    <message>
        <source>OPEN FILE WINDOW</source>
        <translation>FENSTER BILD ÖFFNEN</translation>
    </message>
    <message>
        <source>VIEWING A PICTURE</source>
        <translation>BILDVORSCHAU</translation>
    </message>
    <message>
        <source>Open in the File menu (F9) opens the Open File window in place of the game window. Use the Drives and Directories boxes to find the folder that holds your picture; the Files box lists the pictures in it, and File Types chooses which kinds are listed. Open a picture by double-clicking it in the Files box, or select it and press Open. Cancel returns to the game without a new picture. A file that is not a picture, or a picture too small for a puzzle, is refused with a message. Once a picture is open, Add in the Picture menu puts it on your list.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Öffnen im Menü Datei (F9) öffnet anstelle des Spielfensters das Fenster Bild öffnen. Suchen Sie mit den Feldern Geräte und Ordner den Ordner mit Ihrem Bild; das Feld Dateien zeigt die Bilder darin, und Dateityp bestimmt, welche Arten gezeigt werden. Öffnen Sie ein Bild per Doppelklick im Feld Dateien, oder wählen Sie es aus und drücken Sie Öffnen. Abbruch kehrt ohne neues Bild zum Spiel zurück. Eine Datei, die kein Bild ist, oder ein für ein Puzzle zu kleines Bild wird mit einer Meldung abgelehnt. Ist ein Bild geöffnet, setzt Hinzufügen im Menü Bild es auf Ihre Liste.</translation>
    </message>
    <message>
        <source>With View checked, the selected file is shown beside the list. Click the preview to see the picture at full size in the Picture Viewer.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Mit Haken bei Bild erscheint die gewählte Datei neben der Liste. Ein Klick auf die Vorschau zeigt das Bild in voller Größe im Bildbetrachter.</translation>
    </message>
    <message>
        <source>PICTURE LIST EDITOR</source>
        <translation>BILDERLISTEN-EDITOR</translation>
    </message>
    <message>
        <source>ADDING/REMOVING PICTURES</source>
        <translation>BILDER HINZUFÜGEN/ENTFERNEN</translation>
    </message>
    <message>
        <source>Edit List in the Picture menu opens the Picture List Editor. OK keeps your changes and saves the list; Cancel leaves the list as it was.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Liste bearbeiten im Menü Bild öffnet den Bilderlisten-Editor. OK übernimmt Ihre Änderungen und speichert die Liste; Abbruch lässt die Liste, wie sie war.</translation>
    </message>
    <message>
        <source>To add pictures, find their folder with the Drives and Directories boxes, select one or more files in the Files box and press Add, or double-click a file. The pictures are checked first: a file that is not a valid picture, or a picture too small for a puzzle, is refused with a message, and a picture already on the list is not added again. The list holds at most 22 pictures.

To remove pictures, select them in the Picture List and press Remove, double-click one, or press Delete. To move a picture to another place in the list, drag it there with the mouse.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Um Bilder hinzuzufügen, suchen Sie ihren Ordner mit den Feldern Geräte und Ordner, wählen eine oder mehrere Dateien im Feld Dateien und drücken Hinzu, oder Sie doppelklicken auf eine Datei. Die Bilder werden zuerst geprüft: Eine Datei, die kein gültiges Bild ist, oder ein für ein Puzzle zu kleines Bild wird mit einer Meldung abgelehnt, und ein Bild, das schon in der Liste steht, wird nicht erneut hinzugefügt. Die Liste fasst höchstens 22 Bilder.

Um Bilder zu entfernen, wählen Sie sie in der Bilderliste aus und drücken Löschen, doppelklicken auf eines oder drücken Entf. Um ein Bild an eine andere Stelle der Liste zu bringen, ziehen Sie es mit der Maus dorthin.</translation>
    </message>
    <message>
        <source>With View checked, the picture selected in either list is shown as a preview. Click the preview to see the picture at full size in the Picture Viewer; Exit there brings you back to the editor.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Mit Haken bei Bild erscheint das in einer der beiden Listen gewählte Bild als Vorschau. Ein Klick auf die Vorschau zeigt das Bild in voller Größe im Bildbetrachter; Zurück führt von dort wieder zum Editor.</translation>
    </message>
    <message>
        <source>PICTURE VIEWER WINDOW</source>
        <translation>DER BILDBETRACHTER</translation>
    </message>
    <message>
        <source>RESIZING THE PICTURE</source>
        <translation>BILDGRÖSSE ÄNDERN</translation>
    </message>
    <message>
        <source>The Picture Viewer shows a picture on its own, first at its natural size. The Size caption beside the View menu gives the size in twips, 15 to a screen pixel: a picture of 640 by 480 pixels reads Size : 9600x7200. Click a part of a large picture to bring it to the middle. Exit returns to the window you came from.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Der Bildbetrachter zeigt ein Bild für sich, zuerst in natürlicher Größe. Die Größenangabe neben dem Menü Ansicht nennt die Größe in Twips (15 je Pixel): Ein Bild von 640 x 480 Pixeln zeigt Größe : 9600x7200. Ein Klick in ein großes Bild holt die Stelle in die Mitte. Zurück führt zum vorigen Fenster.</translation>
    </message>
    <message>
        <source>Original Size (F5) returns the picture to its natural size. Fit to screen (F6) fits the whole picture into the window, which also enlarges a small picture; the Size caption keeps showing the natural size.

Zoom (F7) shows the Zoom panel: hold the mouse button down on In (+) or Out (-) to make the picture larger or smaller, and click OK to hide the panel. You can also hold down the + or - key. While you zoom, the Size caption follows at once; the picture is redrawn at the new size when you release the button or the key. A picture grows to at most 30000 twips and shrinks to no less than 1000.

Help in the viewer opens this document at this section.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Originalgröße (F5) bringt das Bild auf seine natürliche Größe zurück. Einpassen (F6) passt das ganze Bild ins Fenster ein und vergrößert so auch ein kleines Bild; die Größenangabe zeigt weiter die natürliche Größe.

Zoom (F7) zeigt das Zoomfeld: Halten Sie die Maustaste auf Groß (+) oder Klein (-) gedrückt, um das Bild zu vergrößern oder zu verkleinern, und klicken Sie auf OK, um das Feld auszublenden. Sie können auch die Taste + oder - gedrückt halten. Beim Zoomen folgt die Größenangabe sofort; das Bild wird in der neuen Größe gezeichnet, sobald Sie Maustaste oder Taste loslassen. Ein Bild wächst auf höchstens 30000 Twips und schrumpft auf nicht weniger als 1000.

Hilfe im Bildbetrachter öffnet dieses Dokument an dieser Stelle.</translation>
    </message>
    <message>
        <source>UNDO, KEYS AND BEST TIMES</source>
        <translation>RÜCKGÄNGIG, TASTEN, BESTZEITEN</translation>
    </message>
    <message>
        <source>PNG, WebP and TIFF pictures play too. A click or any key skips the intro; the window can be resized and maximised, and + and = both enlarge it.

Undo (Ctrl+Z) in the File menu takes back the last swap, slide or Hint placement; Redo (Ctrl+Shift+Z or Ctrl+Y) makes it again; Restart (Ctrl+R) deals the same game again. In Puzzle mode the arrows move a dashed cursor and Space or Return clicks under it.

A menu key such as F4 does not resume a paused clock. Keyboard Shortcuts (Ctrl+?) in the Help menu lists every key; Best Times in the File menu, the ten best results.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>PNG-, WebP- und TIFF-Bilder sind spielbar. Klick oder Taste überspringt das Intro; das Fenster lässt sich vergrößern und maximieren, + und = vergrößern es.

Rückgängig (Strg+Z) im Menü Datei nimmt den letzten Zug zurück, Wiederholen (Strg+Umschalt+Z, Strg+Y) macht ihn erneut; Neustart (Strg+R) beginnt das Spiel von vorn. Im Tauschpuzzle bewegen Pfeile einen Cursor, Leer- oder Eingabetaste klickt.

Menütasten wie F4 lassen eine angehaltene Uhr nicht weiterlaufen. Tastenkürzel (Strg+?) im Menü Hilfe zeigt alle Tasten, Bestzeiten im Menü Datei die besten Ergebnisse.</translation>
    </message>
    <message>
        <source>NEXT MOVE AND SOLVE</source>
        <translation>NÄCHSTER ZUG UND LÖSEN</translation>
    </message>
    <message>
        <source>Next Move (F3) in the Help menu makes one move for you; Solve (Shift+F3) plays the rest until a key or a click stops it. Both count as hints, and a game Solve played in gets no best time.</source>
        <extracomment>A box of fixed height: keep about the English length.</extracomment>
        <translation>Nächster Zug (F3) im Menü Hilfe macht einen Zug für Sie; Lösen (Umschalt+F3) spielt den Rest, bis eine Taste oder ein Klick es anhält. Beides zählt als Tipp, und ein Spiel mit Lösen bekommt keine Bestzeit.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Quiltra -  Help</source>
        <translation>Quiltra -  Hilfe</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Using Help</source>
        <translation>Hilfe benutzen</translation>
    </message>
    <message>
        <source>Click on one of the index topics to move to that topic.</source>
        <translation>Klicken Sie auf ein Thema im Inhaltsverzeichnis, um dorthin zu gelangen.</translation>
    </message>
    <message>
        <source>Use the up/down arrow keys to scroll up or down.</source>
        <translation>Mit den Pfeiltasten auf/ab blättern Sie nach oben oder unten.</translation>
    </message>
    <message>
        <source>Use the Pg Up/Pg Dn keys to move up or down a page at a time.</source>
        <translation>Mit Bild auf/Bild ab blättern Sie seitenweise nach oben oder unten.</translation>
    </message>
    <message>
        <source>Use the HOME/END keys to move to the start/end of the help document.</source>
        <translation>Mit POS1/ENDE gelangen Sie an den Anfang/das Ende des Hilfedokuments.</translation>
    </message>
    <message>
        <source>Quiltra Help</source>
        <translation>Quiltra-Hilfe</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Puzzle</source>
        <extracomment>In File &gt; New Game and in Help (the rules): its mnemonic must be free in both menus.</extracomment>
        <translation>T&amp;auschpuzzle</translation>
    </message>
    <message>
        <source>&amp;Slider</source>
        <translation>&amp;Schiebepuzzle</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Best &amp;Times...</source>
        <translation>Bes&amp;tzeiten...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Puzzle</source>
        <extracomment>The View command names the view it switches to: the puzzle.</extracomment>
        <translation>Puzzle</translation>
    </message>
    <message>
        <source>Picture &amp;Viewer</source>
        <translation>&amp;Bildbetrachter</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Bild</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Edit List</source>
        <translation>Liste &amp;bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Größe</translation>
    </message>
    <message>
        <source>Pr&amp;eferences</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Color</source>
        <translation>&amp;Farbe</translation>
    </message>
    <message>
        <source>&amp;Background</source>
        <translation>&amp;Hintergrund</translation>
    </message>
    <message>
        <source>&amp;Selection</source>
        <translation>&amp;Auswahl</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <extracomment>In Preferences &gt; Color (the hint&apos;s colour) and in Help (ask for a hint): its mnemonic must be free in both menus.</extracomment>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Sound</translation>
    </message>
    <message>
        <source>&amp;Sound Effects</source>
        <translation>&amp;Soundeffekte</translation>
    </message>
    <message>
        <source>&amp;Intro</source>
        <translation>&amp;Intro</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Zug</translation>
    </message>
    <message>
        <source>&amp;End</source>
        <translation>&amp;Ende</translation>
    </message>
    <message>
        <source>&amp;Screen Size</source>
        <translation>Fenster&amp;größe</translation>
    </message>
    <message>
        <source>Manual: - +</source>
        <extracomment>A reminder (choosing it does nothing) that the + and - keys make the window larger and smaller; the Help document quotes it.</extracomment>
        <translation>Manuell: - +</translation>
    </message>
    <message>
        <source>S&amp;ave On Exit</source>
        <translation>Beim &amp;Beenden speichern</translation>
    </message>
    <message>
        <source>480 by 600</source>
        <translation>480 x 600</translation>
    </message>
    <message>
        <source>720 by 600</source>
        <translation>720 x 600</translation>
    </message>
    <message>
        <source>800 by 600</source>
        <translation>800 x 600</translation>
    </message>
    <message>
        <source>1024 by 768</source>
        <translation>1024 x 768</translation>
    </message>
    <message>
        <source>1152 by 864</source>
        <translation>1152 x 864</translation>
    </message>
    <message>
        <source>1280 by 1024</source>
        <translation>1280 x 1024</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über Quiltra</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Slidder</source>
        <translation>&amp;Schiebepuzzle</translation>
    </message>
    <message>
        <source>Original</source>
        <extracomment>The View command names the view it switches to: the original picture.</extracomment>
        <translation>Original</translation>
    </message>
    <message>
        <source>Rest&amp;art</source>
        <translation>Ne&amp;ustart</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>Tasten&amp;kürzel</translation>
    </message>
    <message>
        <source>&amp;Next Move</source>
        <extracomment>In Help: makes one move toward the finished picture.</extracomment>
        <translation>&amp;Nächster Zug</translation>
    </message>
    <message>
        <source>S&amp;olve</source>
        <extracomment>In Help: plays the moves that finish the picture; chosen again, it stops them.</extracomment>
        <translation>L&amp;ösen</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Path not found</source>
        <translation>Pfad nicht gefunden</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Ungültiges Bild</translation>
    </message>
    <message>
        <source>Unable to read image data</source>
        <translation>Bilddaten können nicht gelesen werden</translation>
    </message>
    <message>
        <source>The picture is too large to open (%1 x %2 pixels)</source>
        <translation>Das Bild ist zu groß zum Öffnen (%1 x %2 Pixel)</translation>
    </message>
    <message>
        <source>Not enough memory to open the picture</source>
        <translation>Nicht genug Speicher, um das Bild zu öffnen</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Keine reguläre Datei</translation>
    </message>
    <message>
        <source>The picture file is incomplete: it ends before all of its picture data</source>
        <translation>Die Bilddatei ist unvollständig: Sie endet vor dem Ende ihrer Bilddaten</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>The file is empty and holds no picture</source>
        <translation>Die Datei ist leer und enthält kein Bild</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Device unavailable</source>
        <translation>Gerät nicht verfügbar</translation>
    </message>
    <message>
        <source>Picture is too small to divide into a puzzle.</source>
        <translation>Das Bild ist zu klein, um es in Puzzleteile zu zerlegen.</translation>
    </message>
</context>
<context>
    <name>OpenPicture</name>
    <message>
        <source>All graphic files</source>
        <translation>Alle Bilddateien</translation>
    </message>
    <message>
        <source>Bitmap: *.bmp</source>
        <extracomment>A file type; keep the pattern after the colon as it stands.</extracomment>
        <translation>Bitmap: *.bmp</translation>
    </message>
    <message>
        <source>GIF: *.gif</source>
        <extracomment>A file type; keep the pattern after the colon as it stands.</extracomment>
        <translation>GIF: *.gif</translation>
    </message>
    <message>
        <source>JPEG: *.jpg</source>
        <extracomment>A file type; keep the pattern after the colon as it stands.</extracomment>
        <translation>JPEG: *.jpg</translation>
    </message>
    <message>
        <source>PNG: *.png</source>
        <extracomment>A file type; keep the pattern after the colon as it stands.</extracomment>
        <translation>PNG: *.png</translation>
    </message>
    <message>
        <source>WebP: *.webp</source>
        <extracomment>A file type; keep the pattern after the colon as it stands.</extracomment>
        <translation>WebP: *.webp</translation>
    </message>
    <message>
        <source>TIFF: *.tif</source>
        <extracomment>A file type; keep the pattern after the colon as it stands.</extracomment>
        <translation>TIFF: *.tif</translation>
    </message>
    <message>
        <source>Quiltra - Open Picture</source>
        <translation>Quiltra - Bild öffnen</translation>
    </message>
    <message>
        <source>Loading %1</source>
        <extracomment>The window&apos;s caption while the picture %1 (its file name) loads.</extracomment>
        <translation>%1 wird geladen</translation>
    </message>
    <message>
        <source>Use the Drives and Directories boxes to find the directory containing the picture you want to open. To open a file from the Files box double click on the file or select the file and then press the Open button.</source>
        <translation>Suchen Sie mit den Feldern Geräte und Ordner den Ordner mit dem Bild, das Sie öffnen möchten. Um eine Datei aus dem Feld Dateien zu öffnen, doppelklicken Sie darauf oder wählen Sie sie aus und drücken Sie Öffnen.</translation>
    </message>
    <message>
        <source>Once opened you can add the picture to the Picture List by using the Add option in the Pictures menu.</source>
        <translation>Danach können Sie das Bild mit Hinzufügen im Menü Bild in die Bilderliste aufnehmen.</translation>
    </message>
    <message>
        <source>Open a picture.</source>
        <translation>Ein Bild öffnen.</translation>
    </message>
    <message>
        <source>Drives:</source>
        <translation>Geräte:</translation>
    </message>
    <message>
        <source>Directories:</source>
        <translation>Ordner:</translation>
    </message>
    <message>
        <source>File Types</source>
        <translation>Dateityp</translation>
    </message>
    <message>
        <source>Files:</source>
        <translation>Dateien:</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Wird geladen</translation>
    </message>
</context>
<context>
    <name>PictureListEditor</name>
    <message>
        <source>Quiltra - Picture List Editor</source>
        <translation>Quiltra - Bilderlisten-Editor</translation>
    </message>
    <message>
        <source>Add or remove pictures from the Picture List</source>
        <translation>Bilder zur Bilderliste hinzufügen oder daraus entfernen</translation>
    </message>
    <message>
        <source>Drives:</source>
        <translation>Geräte:</translation>
    </message>
    <message>
        <source>Directories:</source>
        <translation>Ordner:</translation>
    </message>
    <message>
        <source>Use the Drives and Directories boxes to find the directory containing the picture you want to add. The files are list in the Files box.  </source>
        <extracomment>The two blanks at the end belong to the text.</extracomment>
        <translation>Suchen Sie mit den Feldern Geräte und Ordner den Ordner mit dem Bild, das Sie hinzufügen möchten. Die Dateien stehen im Feld Dateien.  </translation>
    </message>
    <message>
        <source>Files:</source>
        <translation>Dateien:</translation>
    </message>
    <message>
        <source>Add -&gt;</source>
        <translation>Hinzu -&gt;</translation>
    </message>
    <message>
        <source>&lt;- Remove</source>
        <translation>&lt;- Löschen</translation>
    </message>
    <message>
        <source>Picture List:</source>
        <translation>Bilderliste:</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Wird geprüft</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be added to the Picture List: its name or folder contains a double quote or a line break.</source>
        <extracomment>%1 is a file name, shown in the double quotes around it.</extracomment>
        <translation>„%1“ kann nicht zur Bilderliste hinzugefügt werden: Name oder Ordner enthält ein doppeltes Anführungszeichen oder einen Zeilenumbruch.</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Wird geladen</translation>
    </message>
    <message>
        <source>Invalid file</source>
        <translation>Ungültige Datei</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Ungültiges Bild</translation>
    </message>
</context>
<context>
    <name>PictureViewer</name>
    <message>
        <source>Quiltra - Picture Viewer:  Press Exit to return to previous screen.</source>
        <extracomment>The two blanks after the colon belong to the title.</extracomment>
        <translation>Quiltra - Bildbetrachter:  Zurück führt zum vorigen Fenster.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Original Size </source>
        <extracomment>The blank at the end belongs to the caption.</extracomment>
        <translation>&amp;Originalgröße </translation>
    </message>
    <message>
        <source>&amp;Fit to screen</source>
        <translation>&amp;Einpassen</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>Size: size</source>
        <translation>Größe: Größe</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>In (+)</source>
        <translation>Groß (+)</translation>
    </message>
    <message>
        <source>Out (-)</source>
        <translation>Klein (-)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Natural size %1 x %2 pixels, shown from a copy of %3 x %4 pixels to save memory</source>
        <translation>Natürliche Größe %1 x %2 Pixel, zur Speicherersparnis aus einer Kopie von %3 x %4 Pixeln gezeigt</translation>
    </message>
    <message>
        <source>Size : %1x%2</source>
        <extracomment>%1 and %2 are the width and height in twips.</extracomment>
        <translation>Größe : %1x%2</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>Quiltra - Keyboard Shortcuts</source>
        <translation>Quiltra - Tastenkürzel</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Wirkung</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Game window</source>
        <translation>Spielfenster</translation>
    </message>
    <message>
        <source>F5 / F6</source>
        <translation>F5 / F6</translation>
    </message>
    <message>
        <source>a new Puzzle / Slider game (File › New Game)</source>
        <translation>ein neues Tauschpuzzle / Schiebepuzzle (Datei › Neues Spiel)</translation>
    </message>
    <message>
        <source>F7 / F8</source>
        <translation>F7 / F8</translation>
    </message>
    <message>
        <source>load / save the game (File › Load, File › Save)</source>
        <translation>das Spiel laden / speichern (Datei › Laden, Datei › Speichern)</translation>
    </message>
    <message>
        <source>F9</source>
        <translation>F9</translation>
    </message>
    <message>
        <source>File › Open: the Open Picture window</source>
        <translation>Datei › Öffnen: das Fenster „Bild öffnen“</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Strg+R</translation>
    </message>
    <message>
        <source>File › Restart: the same deal again, from its first arrangement</source>
        <translation>Datei › Neustart: dieselbe Verteilung noch einmal, von ihrer ersten Anordnung an</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Strg+Z</translation>
    </message>
    <message>
        <source>File › Undo: takes back the last swap, slide or piece placed by Hint, back to the deal</source>
        <translation>Datei › Rückgängig: nimmt den letzten Tausch, Schub oder per Tipp gesetzten Teil zurück, bis zur Verteilung</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Z, Ctrl+Y</source>
        <translation>Strg+Umschalt+Z, Strg+Y</translation>
    </message>
    <message>
        <source>File › Redo: makes an undone move again</source>
        <translation>Datei › Wiederholen: führt einen zurückgenommenen Zug erneut aus</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Strg+X</translation>
    </message>
    <message>
        <source>quit (File › Exit)</source>
        <translation>beenden (Datei › Beenden)</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>switch between the puzzle and the whole picture (View)</source>
        <translation>zwischen Puzzle und ganzem Bild wechseln (Ansicht)</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Help › Contents (the clock pauses)</source>
        <translation>Hilfe › Inhalt (die Uhr hält an)</translation>
    </message>
    <message>
        <source>Ctrl+?</source>
        <translation>Strg+?</translation>
    </message>
    <message>
        <source>Help › Keyboard Shortcuts: this list of keys</source>
        <translation>Hilfe › Tastenkürzel: diese Liste der Tasten</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Help › Hint</source>
        <translation>Hilfe › Tipp</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>pause the clock; P again, an arrow, Space, Return or a letter resumes it (a menu key such as F4 does not, nor + or −)</source>
        <translation>die Uhr anhalten; erneut P, ein Pfeil, Leertaste, Eingabetaste oder ein Buchstabe lässt sie weiterlaufen (eine Menütaste wie F4 nicht, auch nicht + oder −)</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Pfeiltasten</translation>
    </message>
    <message>
        <source>Puzzle: move the keyboard cursor, a dashed black and white frame; the first arrow shows it</source>
        <translation>Tauschpuzzle: den Tastaturcursor bewegen, einen gestrichelten schwarz-weißen Rahmen; der erste Pfeil zeigt ihn</translation>
    </message>
    <message>
        <source>Slider: slide the neighbour of the empty cell into it (Left moves the piece right of the empty cell leftwards)</source>
        <translation>Schiebepuzzle: den Nachbarn des freien Felds hineinschieben (Links schiebt das Teil rechts vom freien Feld nach links)</translation>
    </message>
    <message>
        <source>Space, Return</source>
        <translation>Leertaste, Eingabetaste</translation>
    </message>
    <message>
        <source>act as a click on the piece under the cursor (in Slider mode too)</source>
        <translation>wirken wie ein Klick auf das Teil unter dem Cursor (auch im Schiebepuzzle)</translation>
    </message>
    <message>
        <source>+ or =, − (hold)</source>
        <translation>+ oder =, − (gedrückt halten)</translation>
    </message>
    <message>
        <source>make the window larger / smaller; the longer the key is held, the larger the step, taken when it is released</source>
        <translation>das Fenster vergrößern / verkleinern; je länger die Taste gehalten wird, desto größer der Schritt, ausgeführt beim Loslassen</translation>
    </message>
    <message>
        <source>Click, any key</source>
        <translation>Klick, beliebige Taste</translation>
    </message>
    <message>
        <source>during the intro: skip it</source>
        <translation>während des Intros: es überspringen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Page Up / Page Down, ↑ / ↓, Home / End, wheel</source>
        <translation>Bild↑ / Bild↓, ↑ / ↓, Pos1 / Ende, Mausrad</translation>
    </message>
    <message>
        <source>scroll the help text</source>
        <translation>den Hilfetext blättern</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>close the window, as Exit does</source>
        <translation>das Fenster schließen, wie Zurück</translation>
    </message>
    <message>
        <source>Picture Viewer</source>
        <translation>Bildbetrachter</translation>
    </message>
    <message>
        <source>F5 / F6 / F7</source>
        <translation>F5 / F6 / F7</translation>
    </message>
    <message>
        <source>Original Size / Fit to screen / the Zoom panel</source>
        <translation>Originalgröße / Einpassen / die Zoom-Leiste</translation>
    </message>
    <message>
        <source>zoom in / out, step by step while the key is held</source>
        <translation>vergrößern / verkleinern, schrittweise, solange die Taste gehalten wird</translation>
    </message>
    <message>
        <source>Wheel, Shift+wheel</source>
        <translation>Mausrad, Umschalt+Mausrad</translation>
    </message>
    <message>
        <source>scroll a picture larger than the window up and down, sideways</source>
        <translation>ein Bild, das größer als das Fenster ist, nach oben und unten, zur Seite blättern</translation>
    </message>
    <message>
        <source>Ctrl+wheel</source>
        <translation>Strg+Mausrad</translation>
    </message>
    <message>
        <source>zoom one step for each notch of the wheel</source>
        <translation>einen Zoomschritt je Raste des Mausrads</translation>
    </message>
    <message>
        <source>About, Open Picture, Picture List Editor, Best Times, Keyboard Shortcuts</source>
        <translation>Über Quiltra, Bild öffnen, Bilderlisten-Editor, Bestzeiten, Tastenkürzel</translation>
    </message>
    <message>
        <source>close the window, as its Okay, Cancel or Close does</source>
        <translation>das Fenster schließen, wie OK, Abbruch oder Schließen</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>Help › Next Move: one move toward the finished picture, counted as a move and a hint</source>
        <translation>Hilfe › Nächster Zug: ein Zug zum fertigen Bild hin, gezählt als Zug und als Tipp</translation>
    </message>
    <message>
        <source>Shift+F3</source>
        <translation>Umschalt+F3</translation>
    </message>
    <message>
        <source>Help › Solve: plays the rest of the solution; any key, click or Shift+F3 stops it</source>
        <translation>Hilfe › Lösen: spielt den Rest der Lösung; jede Taste, ein Klick oder Umschalt+F3 hält es an</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>The settings could not be saved to &quot;init.txt&quot;: %1. The previous settings file is unchanged.</source>
        <extracomment>%1 is the system&apos;s description of the failure; &quot;init.txt&quot; is a file name.</extracomment>
        <translation>Die Einstellungen konnten nicht in „init.txt“ gespeichert werden: %1. Die bisherige Einstellungsdatei bleibt unverändert.</translation>
    </message>
    <message>
        <source>the file could not be read when Quiltra started (%1)</source>
        <extracomment>Completes &quot;The settings could not be saved to &quot;init.txt&quot;: %1.&quot;; %1 is the system&apos;s description of the failure.</extracomment>
        <translation>die Datei konnte beim Start von Quiltra nicht gelesen werden (%1)</translation>
    </message>
</context>
</TS>
