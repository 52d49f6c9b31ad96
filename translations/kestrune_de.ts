<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>About</name>
    <message>
        <source>About %1</source>
        <translation>Info über %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Kestrune builds logon scripts: the batch files that client computers run when a user logs on to the network. Trying an action or a script runs it on this computer, with real effects on its drives, printers and registry.</source>
        <translation>Kestrune erstellt Anmeldeskripts: die Batchdateien, die Clientcomputer ausführen, wenn sich ein Benutzer am Netzwerk anmeldet. Wer eine Aktion oder ein Skript ausprobiert, führt es auf diesem Computer aus – mit echten Auswirkungen auf seine Laufwerke, Drucker und Registrierung.</translation>
    </message>
    <message>
        <source>Written by the Kestrune developers.</source>
        <translation>Geschrieben von den Kestrune-Entwicklern.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminformationen...</translation>
    </message>
    <message>
        <source>Kestrune icon</source>
        <translation>Kestrune-Symbol</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind zurzeit nicht verfügbar</translation>
    </message>
    <message>
        <source>An error occurred while attempting to start the help file, <byte value="xd"/>%1.</source>
        <translation>Beim Öffnen der Hilfedatei ist ein Fehler aufgetreten: <byte value="xd"/>%1.</translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <source>Check Script</source>
        <translation>Skript prüfen</translation>
    </message>
    <message>
        <source>&amp;Servers:</source>
        <translation>&amp;Server:</translation>
    </message>
    <message>
        <source>NAME=ADDRESS[:PORT] for names not resolved</source>
        <translation>NAME=ADRESSE[:PORT] für Namen, die nicht aufgelöst werden</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>&amp;Benutzer:</translation>
    </message>
    <message>
        <source>guest</source>
        <translation>Gast</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Prüfen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Checking the shares, printers and files...</source>
        <translation>Freigaben, Drucker und Dateien werden geprüft...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Kennwort</translation>
    </message>
    <message>
        <source>Password for %1:</source>
        <translation>Kennwort für %1:</translation>
    </message>
    <message>
        <source>Not NAME=ADDRESS[:PORT]: %1</source>
        <translation>Nicht NAME=ADRESSE[:PORT]: %1</translation>
    </message>
    <message>
        <source>%1 problem(s), %2 warning(s).</source>
        <translation>%1 Problem(e), %2 Warnung(en).</translation>
    </message>
    <message>
        <source>Cancelled: the actions after these were not checked.</source>
        <translation>Abgebrochen: Die Aktionen danach wurden nicht geprüft.</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>in Ordnung</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>übersprungen</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>Checked, nothing wrong found</source>
        <translation>Geprüft, kein Fehler gefunden</translation>
    </message>
    <message>
        <source>Not checked</source>
        <translation>Nicht geprüft</translation>
    </message>
    <message>
        <source>Checked, with a warning</source>
        <translation>Geprüft, mit einer Warnung</translation>
    </message>
    <message>
        <source>Checked, a problem found</source>
        <translation>Geprüft, ein Problem gefunden</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Open (Ctrl+O)</source>
        <translation>Öffnen (Ctrl+O)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Open a new template or script</source>
        <translation>Eine andere Vorlage oder ein Skript öffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save (Ctrl+S)</source>
        <translation>Speichern (Ctrl+S)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save changes to %1</source>
        <translation>Änderungen an %1 speichern</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Speichern &amp;unter</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Add Action</source>
        <translation>Aktion &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Add Action</source>
        <translation>Aktion hinzufügen</translation>
    </message>
    <message>
        <source>Add Action (Ctl+A)</source>
        <translation>Aktion hinzufügen (Ctl+A)</translation>
    </message>
    <message>
        <source>Add a new action to the list</source>
        <translation>Der Liste eine neue Aktion hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove Action</source>
        <translation>Aktion ent&amp;fernen</translation>
    </message>
    <message>
        <source>Remove Action</source>
        <translation>Aktion entfernen</translation>
    </message>
    <message>
        <source>Remove Action (Ctl+R)</source>
        <translation>Aktion entfernen (Ctl+R)</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source>&amp;Execute Action</source>
        <translation>Aktion &amp;ausführen</translation>
    </message>
    <message>
        <source>Execute Action</source>
        <translation>Aktion ausführen</translation>
    </message>
    <message>
        <source>Action &amp;Properties</source>
        <translation>Aktions&amp;eigenschaften</translation>
    </message>
    <message>
        <source>Action Properties</source>
        <translation>Aktionseigenschaften</translation>
    </message>
    <message>
        <source>Action Properties (Ctl+P)</source>
        <translation>Aktionseigenschaften (Ctl+P)</translation>
    </message>
    <message>
        <source>Properties of %1</source>
        <translation>Eigenschaften von %1</translation>
    </message>
    <message>
        <source>Clear &amp;All</source>
        <translation>&amp;Alles löschen</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alles löschen</translation>
    </message>
    <message>
        <source>&amp;Move Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move Action Up</source>
        <translation>Aktion nach oben</translation>
    </message>
    <message>
        <source>Move the action up one place in the action list</source>
        <translation>Die Aktion in der Aktionsliste um eine Stelle nach oben verschieben</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Move Action Down</source>
        <translation>Aktion nach unten</translation>
    </message>
    <message>
        <source>Move the action down one place in the action list</source>
        <translation>Die Aktion in der Aktionsliste um eine Stelle nach unten verschieben</translation>
    </message>
    <message>
        <source>&amp;Make Script</source>
        <translation>&amp;Skript erstellen</translation>
    </message>
    <message>
        <source>Make Script (Ctl+M)</source>
        <translation>Skript erstellen (Ctl+M)</translation>
    </message>
    <message>
        <source>Make Script</source>
        <translation>Skript erstellen</translation>
    </message>
    <message>
        <source>Make %1 into a logon script</source>
        <translation>Aus %1 ein Anmeldeskript erstellen</translation>
    </message>
    <message>
        <source>E&amp;xecute Script</source>
        <translation>Skript a&amp;usführen</translation>
    </message>
    <message>
        <source>Execute (F5)</source>
        <translation>Ausführen (F5)</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Ausführen</translation>
    </message>
    <message>
        <source>Execute %1</source>
        <translation>%1 ausführen</translation>
    </message>
    <message>
        <source>Float &amp;Toolbar</source>
        <translation>Symbolleiste ab&amp;docken</translation>
    </message>
    <message>
        <source>Float Toolbar</source>
        <translation>Symbolleiste abdocken</translation>
    </message>
    <message>
        <source>Dock Toolbar</source>
        <translation>Symbolleiste andocken</translation>
    </message>
    <message>
        <source>Float the toolbar</source>
        <translation>Die Symbolleiste abdocken</translation>
    </message>
    <message>
        <source>Help &amp;Topics</source>
        <translation>&amp;Hilfethemen (englisch)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;Check Script</source>
        <translation>Skript &amp;prüfen</translation>
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
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Script</source>
        <translation>&amp;Skript</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>&amp;Compare with File on Disk</source>
        <translation>Mit Datei auf dem Datenträger &amp;vergleichen</translation>
    </message>
</context>
<context>
    <name>Compare</name>
    <message>
        <source>Compare with File on Disk</source>
        <translation>Mit Datei auf dem Datenträger vergleichen</translation>
    </message>
    <message>
        <source>1 line changes</source>
        <translation>1 Zeile ändert sich</translation>
    </message>
    <message>
        <source>%1 lines change</source>
        <translation>%1 Zeilen ändern sich</translation>
    </message>
    <message>
        <source> (as written by Kestrune)</source>
        <translation> (wie Kestrune sie schreibt)</translation>
    </message>
    <message>
        <source> [no line end]</source>
        <translation> [kein Zeilenende]</translation>
    </message>
    <message>
        <source>This line ends in LF; Save ends it in CR LF.</source>
        <translation>Diese Zeile endet mit LF; Speichern beendet sie mit CR LF.</translation>
    </message>
    <message>
        <source>This line ends in CR; Save ends it in CR LF.</source>
        <translation>Diese Zeile endet mit CR; Speichern beendet sie mit CR LF.</translation>
    </message>
    <message>
        <source>The last line has no line end; Save ends it in CR LF.</source>
        <translation>Die letzte Zeile hat kein Zeilenende; Speichern beendet sie mit CR LF.</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>Removed by Save</source>
        <translation>Durch Speichern entfernt</translation>
    </message>
    <message>
        <source>Added by Save</source>
        <translation>Durch Speichern hinzugefügt</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Comparing with the file on disk...</source>
        <translation>Vergleich mit der Datei auf dem Datenträger...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>Add Action</source>
        <translation>Aktion hinzufügen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Durchsuchen</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Map Drive</source>
        <translation>Laufwerk verbinden</translation>
    </message>
    <message>
        <source>Run Application</source>
        <translation>Anwendung ausführen</translation>
    </message>
    <message>
        <source>Merge Registry</source>
        <translation>Registrierung zusammenführen</translation>
    </message>
    <message>
        <source>Display Message</source>
        <translation>Nachricht anzeigen</translation>
    </message>
    <message>
        <source>Other Commands</source>
        <translation>Sonstige Befehle</translation>
    </message>
    <message>
        <source>Map Printer</source>
        <translation>Drucker verbinden</translation>
    </message>
    <message>
        <source>Implement Registry Policy</source>
        <translation>Registrierungsrichtlinie anwenden</translation>
    </message>
    <message>
        <source>This action will attempt to mount a share on the drive you specify. &quot;Next Available&quot; will map the share on the next available drive on the client. &quot;Home&quot; will search for a share on the logon server  that has the same name as the user currently logged on at the client machine.</source>
        <translation>Diese Aktion versucht, eine Freigabe mit dem angegebenen Laufwerk zu verbinden. „Nächstes freies“ verbindet die Freigabe mit dem nächsten freien Laufwerk des Clients. „Basisordner“ sucht auf dem Anmeldeserver eine Freigabe mit dem Namen des Benutzers, der gerade am Clientcomputer angemeldet ist.</translation>
    </message>
    <message>
        <source>If you specify obtain from server, the script will download and execute the program locally. This can really be any file as long as it is associated with an application on the client computer. </source>
        <translation>Wenn Sie „vom Server beziehen“ wählen, lädt das Skript das Programm herunter und führt es lokal aus. Das kann eigentlich jede Datei sein, solange sie auf dem Clientcomputer mit einer Anwendung verknüpft ist.</translation>
    </message>
    <message>
        <source>This action will merge a registry file on the remote server with the client&apos;s registry. The remote file MUST have a .reg extension and the client computer must have .reg files associated with regedit.exe for this to work. </source>
        <translation>Diese Aktion führt eine Registrierungsdatei auf dem Server mit der Registrierung des Clients zusammen. Die Datei auf dem Server MUSS die Erweiterung .reg haben, und auf dem Clientcomputer müssen .reg-Dateien mit regedit.exe verknüpft sein, damit das funktioniert.</translation>
    </message>
    <message>
        <source>This action will display a message inside the logon script, then wait till the user presses &quot;Any Key&quot; and continues with the script. This is really only useful if you want to display a MOTD (Message of the Day). It will print the entire contents of a remote text file as the message. </source>
        <translation>Diese Aktion zeigt im Anmeldeskript eine Nachricht an und wartet dann, bis der Benutzer eine beliebige Taste drückt; danach läuft das Skript weiter. Das ist eigentlich nur für eine Nachricht des Tages (MOTD) nützlich. Als Nachricht wird der ganze Inhalt einer Textdatei im Netzwerk ausgegeben.</translation>
    </message>
    <message>
        <source>This will map a printer on the specified port. If you do not specify a port, it will map the printer on the next available port.</source>
        <translation>Diese Aktion verbindet einen Drucker mit dem angegebenen Anschluss. Wenn Sie keinen Anschluss angeben, wird der Drucker mit dem nächsten freien Anschluss verbunden.</translation>
    </message>
    <message>
        <source>This will allow you to include other commands in the logon script. Any standard DOS command will do. If you would like to display text type, &quot;echo Text to display&quot; ( no quotes ). Replace Text to display with the actual text you want to be displayed. For other DOS and batch file commands, type HELP at a DOS prompt.</source>
        <translation>Hiermit können Sie andere Befehle in das Anmeldeskript aufnehmen. Jeder übliche DOS-Befehl ist möglich. Um einen Text anzuzeigen, geben Sie „echo Anzuzeigender Text“ ein (ohne Anführungszeichen) und ersetzen „Anzuzeigender Text“ durch den Text, der angezeigt werden soll. Weitere DOS- und Batchbefehle zeigt HELP an der Eingabeaufforderung.</translation>
    </message>
    <message>
        <source>Map Share:</source>
        <translation>Freigabe:</translation>
    </message>
    <message>
        <source>On drive:</source>
        <translation>Laufwerk:</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Basisordner</translation>
    </message>
    <message>
        <source>Obtain application from client</source>
        <translation>Anwendung vom Client beziehen</translation>
    </message>
    <message>
        <source>Obtain application from server</source>
        <translation>Anwendung vom Server beziehen</translation>
    </message>
    <message>
        <source>Local path to application:</source>
        <translation>Lokaler Pfad der Anwendung:</translation>
    </message>
    <message>
        <source>Remote path to application:</source>
        <translation>Netzwerkpfad der Anwendung:</translation>
    </message>
    <message>
        <source>Remote text file to print as message:</source>
        <translation>Textdatei im Netzwerk, die als Nachricht ausgegeben wird:</translation>
    </message>
    <message>
        <source>Remote Registry File:</source>
        <translation>Registrierungsdatei im Netzwerk:</translation>
    </message>
    <message>
        <source>Command to be added to batch file:</source>
        <translation>Befehl, der der Batchdatei hinzugefügt wird:</translation>
    </message>
    <message>
        <source>Remote printer to map:</source>
        <translation>Zu verbindender Netzwerkdrucker:</translation>
    </message>
    <message>
        <source>On port LPT:</source>
        <translation>Anschluss LPT:</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>optional</translation>
    </message>
    <message>
        <source>Action:</source>
        <translation>Aktion:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>All network connections</source>
        <translation>Alle Netzwerkverbindungen</translation>
    </message>
    <message>
        <source>Connection options</source>
        <translation>Verbindungsoptionen</translation>
    </message>
    <message>
        <source>Reconnect at logon</source>
        <translation>Verbindung bei Anmeldung wiederherstellen</translation>
    </message>
    <message>
        <source>Leave as it is</source>
        <translation>Nicht ändern</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>NET keeps the last Reconnect setting used for later connections too.</source>
        <translation>NET behält die zuletzt verwendete Einstellung zum Wiederherstellen auch für spätere Verbindungen bei.</translation>
    </message>
    <message>
        <source>Answer yes to questions</source>
        <translation>Rückfragen mit Ja beantworten</translation>
    </message>
    <message>
        <source>Hide messages</source>
        <translation>Meldungen ausblenden</translation>
    </message>
    <message>
        <source>Connect as</source>
        <translation>Verbinden als</translation>
    </message>
    <message>
        <source>Without a stored credential, Windows asks the user for the password at logon (and Hide messages hides that question).</source>
        <translation>Ohne gespeicherte Anmeldeinformationen fragt Windows den Benutzer bei der Anmeldung nach dem Kennwort (und „Meldungen ausblenden“ blendet diese Frage aus).</translation>
    </message>
    <message>
        <source>Save credentials</source>
        <translation>Anmeldeinformationen speichern</translation>
    </message>
    <message>
        <source>Arguments</source>
        <translation>Argumente</translation>
    </message>
    <message>
        <source>Start it and go on</source>
        <translation>Starten und fortfahren</translation>
    </message>
    <message>
        <source>Wait until it ends</source>
        <translation>Warten, bis es beendet ist</translation>
    </message>
    <message>
        <source>Obtain registry file from client</source>
        <translation>Registrierungsdatei vom Client beziehen</translation>
    </message>
    <message>
        <source>Obtain registry file from server</source>
        <translation>Registrierungsdatei vom Server beziehen</translation>
    </message>
    <message>
        <source>Local Registry File:</source>
        <translation>Lokale Registrierungsdatei:</translation>
    </message>
    <message>
        <source>Merge with</source>
        <translation>Zusammenführen mit</translation>
    </message>
    <message>
        <source>Open the file (asks the user)</source>
        <translation>Datei öffnen (fragt den Benutzer)</translation>
    </message>
    <message>
        <source>reg import (silent, no administrator rights needed for the user&apos;s own settings)</source>
        <translation>reg import (ohne Rückfrage, für die eigenen Einstellungen des Benutzers ohne Administratorrechte)</translation>
    </message>
    <message>
        <source>regedit /s (silent, needs administrator rights)</source>
        <translation>regedit /s (ohne Rückfrage, benötigt Administratorrechte)</translation>
    </message>
    <message>
        <source>Next Available</source>
        <translation>Nächstes freies</translation>
    </message>
    <message>
        <source>Home directory on logon server</source>
        <translation>Basisordner auf dem Anmeldeserver</translation>
    </message>
    <message>
        <source>Please enter the name of the remote share you would like to map.</source>
        <translation>Bitte geben Sie den Namen der Freigabe ein, die verbunden werden soll.</translation>
    </message>
    <message>
        <source>The server or share name appears to be invalid. Use anyway?</source>
        <translation>Der Server- oder Freigabename scheint ungültig zu sein. Trotzdem verwenden?</translation>
    </message>
    <message>
        <source>Please specify the path to a local file or a file on a share.</source>
        <translation>Bitte geben Sie den Pfad einer lokalen Datei oder einer Datei auf einer Freigabe an.</translation>
    </message>
    <message>
        <source>Please enter the name of the remote registry file you would like to merge.</source>
        <translation>Bitte geben Sie den Namen der Registrierungsdatei im Netzwerk ein, die zusammengeführt werden soll.</translation>
    </message>
    <message>
        <source>The remote filename must have an .reg extension.</source>
        <translation>Der Dateiname im Netzwerk muss die Erweiterung .reg haben.</translation>
    </message>
    <message>
        <source>The server name appears to be invalid. Use anyway?</source>
        <translation>Der Servername scheint ungültig zu sein. Trotzdem verwenden?</translation>
    </message>
    <message>
        <source>Please enter the name of the remote message you would like to have displayed.</source>
        <translation>Bitte geben Sie den Namen der Nachrichtendatei im Netzwerk ein, die angezeigt werden soll.</translation>
    </message>
    <message>
        <source>Please specify the remote printer you would like to map.</source>
        <translation>Bitte geben Sie den Netzwerkdrucker an, der verbunden werden soll.</translation>
    </message>
    <message>
        <source>Please enter the command to be executed in the text box.</source>
        <translation>Bitte geben Sie in das Textfeld den Befehl ein, der ausgeführt werden soll.</translation>
    </message>
    <message>
        <source>The share or path name must not contain a double quote (&quot;).</source>
        <translation>Der Freigabe- oder Pfadname darf kein doppeltes Anführungszeichen (&quot;) enthalten.</translation>
    </message>
    <message>
        <source>A user name can&apos;t contain blanks, double quotes or any of &amp; | &lt; &gt; ^ ( ).</source>
        <translation>Ein Benutzername darf keine Leerzeichen, doppelten Anführungszeichen oder eines der Zeichen &amp; | &lt; &gt; ^ ( ) enthalten.</translation>
    </message>
    <message>
        <source>The arguments contain &amp; | &lt; &gt; ^ ( ) outside double quotes, or an unmatched double quote.</source>
        <translation>Die Argumente enthalten &amp; | &lt; &gt; ^ ( ) außerhalb doppelter Anführungszeichen oder ein doppeltes Anführungszeichen ohne Gegenstück.</translation>
    </message>
    <message>
        <source>Connection options need a port. Please enter a port number from 1 to 9.</source>
        <translation>Verbindungsoptionen brauchen einen Anschluss. Bitte geben Sie eine Anschlussnummer von 1 bis 9 ein.</translation>
    </message>
    <message>
        <source>An unexpected error occurred while accessing the system registry.</source>
        <translation>Beim Zugriff auf die Systemregistrierung ist ein unerwarteter Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>Program to run</source>
        <translation>Auszuführendes Programm</translation>
    </message>
    <message>
        <source>Programs (*.exe)|*.exe|All Files (*.*)|*.*</source>
        <translation>Programme (*.exe)|*.exe|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>Run if:</source>
        <translation>Ausführen, wenn:</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Immer</translation>
    </message>
    <message>
        <source>User is member of group</source>
        <translation>Benutzer ist Mitglied der Gruppe</translation>
    </message>
    <message>
        <source>User is not member of group</source>
        <translation>Benutzer ist nicht Mitglied der Gruppe</translation>
    </message>
    <message>
        <source>User name is</source>
        <translation>Benutzername ist</translation>
    </message>
    <message>
        <source>User name is not</source>
        <translation>Benutzername ist nicht</translation>
    </message>
    <message>
        <source>Computer name is</source>
        <translation>Computername ist</translation>
    </message>
    <message>
        <source>Computer name is not</source>
        <translation>Computername ist nicht</translation>
    </message>
    <message>
        <source>Please enter the name of the group, user or computer.</source>
        <translation>Bitte geben Sie den Namen der Gruppe, des Benutzers oder des Computers ein.</translation>
    </message>
    <message>
        <source>A name can&apos;t contain double quotes, % or !, or letters outside English; a group at most one backslash (DOMAIN\GROUP), a user or computer name none.</source>
        <translation>Ein Name darf keine doppelten Anführungszeichen, % oder ! und keine Buchstaben außerhalb des englischen Alphabets enthalten; ein Gruppenname höchstens einen umgekehrten Schrägstrich (DOMÄNE\GRUPPE), ein Benutzer- oder Computername keinen.</translation>
    </message>
</context>
<context>
    <name>Kind</name>
    <message>
        <source>Map Drive</source>
        <translation>Laufwerk verbinden</translation>
    </message>
    <message>
        <source>Map Printer</source>
        <translation>Drucker verbinden</translation>
    </message>
    <message>
        <source>Run Application</source>
        <translation>Anwendung ausführen</translation>
    </message>
    <message>
        <source>Merge Registry</source>
        <translation>Registrierung zusammenführen</translation>
    </message>
    <message>
        <source>Display Message</source>
        <translation>Nachricht anzeigen</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Dock &amp;Toolbar</source>
        <translation>Symbolleiste an&amp;docken</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Symbolleiste</translation>
    </message>
    <message>
        <source>Action %1 of the report is no longer in the list.</source>
        <translation>Aktion %1 des Berichts ist nicht mehr in der Liste.</translation>
    </message>
    <message>
        <source>Script made: %1</source>
        <translation>Skript erstellt: %1</translation>
    </message>
    <message>
        <source>Blank Template</source>
        <translation>Leere Vorlage</translation>
    </message>
    <message>
        <source>New Template</source>
        <translation>Neue Vorlage</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Script</source>
        <translation>Skript</translation>
    </message>
    <message>
        <source>!! Not written, the script can&apos;t hold it: %1</source>
        <translation>!! Nicht geschrieben, das Skript kann sie nicht aufnehmen: %1</translation>
    </message>
    <message>
        <source>!! Not written, %1: %2</source>
        <translation>!! Nicht geschrieben, %1: %2</translation>
    </message>
    <message>
        <source>Selected action</source>
        <translation>Ausgewählte Aktion</translation>
    </message>
    <message>
        <source>Not written</source>
        <translation>Nicht geschrieben</translation>
    </message>
    <message>
        <source>Selected action, not written</source>
        <translation>Ausgewählte Aktion, nicht geschrieben</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Aktionen</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>Weitere Schaltflächen</translation>
    </message>
    <message>
        <source>Resize window</source>
        <translation>Fenstergröße ändern</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Statusleiste</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>No action holds this text.</source>
        <translation>Keine Aktion enthält diesen Text.</translation>
    </message>
    <message>
        <source>An unexpected error occurred while saving settings in the system registry.</source>
        <translation>Beim Speichern der Einstellungen in der Systemregistrierung ist ein unerwarteter Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>An unexpected error occurred while saving or retrieving settings in the system registry.</source>
        <translation>Beim Speichern oder Abrufen der Einstellungen in der Systemregistrierung ist ein unerwarteter Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>Save changes to %1 ?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>A save of %1 was interrupted; the file may be incomplete.<byte value="xd"/>Do you want to open the copy that was being saved?</source>
        <translation>Das Speichern von %1 wurde unterbrochen; die Datei ist möglicherweise unvollständig.<byte value="xd"/>Möchten Sie die Kopie öffnen, die gespeichert wurde?</translation>
    </message>
    <message>
        <source>Are you sure you want to clear all actions currently in the list?</source>
        <translation>Möchten Sie wirklich alle Aktionen aus der Liste löschen?</translation>
    </message>
    <message>
        <source>The file %1 has been changed by another program since it was opened.<byte value="xd"/>Do you want to overwrite it?</source>
        <translation>Die Datei %1 wurde seit dem Öffnen von einem anderen Programm geändert.<byte value="xd"/>Möchten Sie sie überschreiben?</translation>
    </message>
    <message>
        <source>The file %1 has been changed by another program.<byte value="xd"/>Do you want to reload it?</source>
        <translation>Die Datei %1 wurde von einem anderen Programm geändert.<byte value="xd"/>Möchten Sie sie neu laden?</translation>
    </message>
    <message>
        <source>The file %1 has been changed by another program. Saving will ask before overwriting it.</source>
        <translation>Die Datei %1 wurde von einem anderen Programm geändert. Vor dem Überschreiben fragt Speichern nach.</translation>
    </message>
    <message>
        <source>The file %1 was deleted on disk.</source>
        <translation>Die Datei %1 wurde auf dem Datenträger gelöscht.</translation>
    </message>
    <message>
        <source>The file %1 was deleted on disk and has been written again.</source>
        <translation>Die Datei %1 wurde auf dem Datenträger gelöscht und ist neu geschrieben worden.</translation>
    </message>
    <message>
        <source>%1 was not written by Kestrune.<byte value="xd"/>Saving it will change %2 lines.</source>
        <translation>%1 wurde nicht von Kestrune geschrieben.<byte value="xd"/>Beim Speichern ändern sich %2 Zeilen.</translation>
    </message>
    <message>
        <source>%1 was not written by Kestrune.<byte value="xd"/>Saving it will change 1 line.</source>
        <translation>%1 wurde nicht von Kestrune geschrieben.<byte value="xd"/>Beim Speichern ändert sich 1 Zeile.</translation>
    </message>
    <message>
        <source>Open Template</source>
        <translation>Vorlage öffnen</translation>
    </message>
    <message>
        <source>Save Template</source>
        <translation>Vorlage speichern</translation>
    </message>
    <message>
        <source>Make Script</source>
        <translation>Skript erstellen</translation>
    </message>
    <message>
        <source>Logon Templates (*.lst)|*.lst|Batch Files (*.bat) |*.bat;*.cmd</source>
        <translation>Anmeldevorlagen (*.lst)|*.lst|Batchdateien (*.bat) |*.bat;*.cmd</translation>
    </message>
    <message>
        <source>Logon Templates (*.lst) |*.lst|Batch Files (*.bat) |*.bat;*.cmd</source>
        <translation>Anmeldevorlagen (*.lst) |*.lst|Batchdateien (*.bat) |*.bat;*.cmd</translation>
    </message>
    <message>
        <source>Batch Files (*.bat) |*.bat;*.cmd</source>
        <translation>Batchdateien (*.bat) |*.bat;*.cmd</translation>
    </message>
    <message>
        <source>Run if</source>
        <translation>Ausführen, wenn</translation>
    </message>
    <message>
        <source>%1 (if %2)</source>
        <translation>%1 (wenn %2)</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Invalid file format.</source>
        <translation>Ungültiges Dateiformat.</translation>
    </message>
    <message>
        <source>%1 could not found. Please make sure the path is correct.</source>
        <translation>%1 wurde nicht gefunden. Bitte prüfen Sie, ob der Pfad stimmt.</translation>
    </message>
    <message>
        <source>An unexpected error occurred while reading the file %1.<byte value="xd"/><byte value="xd"/>Line: %2<byte value="xd"/><byte value="xd"/>Error: %3<byte value="xd"/>%4</source>
        <translation>Beim Lesen der Datei %1 ist ein unerwarteter Fehler aufgetreten.<byte value="xd"/><byte value="xd"/>Zeile: %2<byte value="xd"/><byte value="xd"/>Fehler: %3<byte value="xd"/>%4</translation>
    </message>
    <message>
        <source>An unexpected error occurred while saving the file %1.<byte value="xd"/><byte value="xd"/>Error: %2 %3</source>
        <translation>Beim Speichern der Datei %1 ist ein unerwarteter Fehler aufgetreten.<byte value="xd"/><byte value="xd"/>Fehler: %2 %3</translation>
    </message>
    <message>
        <source>An unexpected error occurred while saving the file %1.<byte value="xd"/><byte value="xd"/>Error: %2 %3<byte value="xd"/><byte value="xd"/>The new contents are kept in %4.</source>
        <translation>Beim Speichern der Datei %1 ist ein unerwarteter Fehler aufgetreten.<byte value="xd"/><byte value="xd"/>Fehler: %2 %3<byte value="xd"/><byte value="xd"/>Der neue Inhalt ist in %4 erhalten.</translation>
    </message>
    <message>
        <source>Action %1 names no network share beginning with \\: %2</source>
        <translation>Aktion %1 nennt keine Netzwerkfreigabe, die mit \\ beginnt: %2</translation>
    </message>
    <message>
        <source>The file %1 could not found.<byte value="xd"/>Please make sure the path is correct.</source>
        <translation>Die Datei %1 wurde nicht gefunden.<byte value="xd"/>Bitte prüfen Sie, ob der Pfad stimmt.</translation>
    </message>
    <message>
        <source>An unexpected error occurred while reading the file %1.<byte value="xd"/><byte value="xd"/>Error: %2 %3</source>
        <translation>Beim Lesen der Datei %1 ist ein unerwarteter Fehler aufgetreten.<byte value="xd"/><byte value="xd"/>Fehler: %2 %3</translation>
    </message>
    <message>
        <source>An error occurred while saving the file %1.<byte value="xd"/>Please ensure the disk or one of the directories is not read only.</source>
        <translation>Beim Speichern der Datei %1 ist ein Fehler aufgetreten.<byte value="xd"/>Bitte stellen Sie sicher, dass weder der Datenträger noch einer der Ordner schreibgeschützt ist.</translation>
    </message>
    <message>
        <source>An error occurred while saving the file %1.<byte value="xd"/>Please ensure the disk or one of the directories is not read only.<byte value="xd"/>%2</source>
        <translation>Beim Speichern der Datei %1 ist ein Fehler aufgetreten.<byte value="xd"/>Bitte stellen Sie sicher, dass weder der Datenträger noch einer der Ordner schreibgeschützt ist.<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>An error occurred while saving the file %1.<byte value="xd"/>Please ensure the disk or one of the directories is not read only.<byte value="xd"/>%2<byte value="xd"/>The new contents are kept in %3.</source>
        <translation>Beim Speichern der Datei %1 ist ein Fehler aufgetreten.<byte value="xd"/>Bitte stellen Sie sicher, dass weder der Datenträger noch einer der Ordner schreibgeschützt ist.<byte value="xd"/>%2<byte value="xd"/>Der neue Inhalt ist in %3 erhalten.</translation>
    </message>
    <message>
        <source>Warning: a save of %1 was interrupted; the file may be incomplete.<byte value="xd"/>The copy that was being saved is %2.</source>
        <translation>Warnung: Das Speichern von %1 wurde unterbrochen; die Datei ist möglicherweise unvollständig.<byte value="xd"/>Die Kopie, die gespeichert wurde, ist %2.</translation>
    </message>
    <message>
        <source>The file %1 is too large to open: %2 bytes.<byte value="xd"/>A template or batch script can be at most %3 bytes (64 MiB).</source>
        <translation>Die Datei %1 ist zu groß zum Öffnen: %2 Byte.<byte value="xd"/>Eine Vorlage oder ein Batchskript darf höchstens %3 Byte (64 MiB) groß sein.</translation>
    </message>
    <message>
        <source>The file %1 is too large to open: more than %2 bytes.<byte value="xd"/>A template or batch script can be at most %2 bytes (64 MiB).</source>
        <translation>Die Datei %1 ist zu groß zum Öffnen: mehr als %2 Byte.<byte value="xd"/>Eine Vorlage oder ein Batchskript darf höchstens %2 Byte (64 MiB) groß sein.</translation>
    </message>
    <message>
        <source>The file %1 is too large to open: its %2 bytes give more than %3 actions.<byte value="xd"/>A template or batch script can hold at most %3 actions.</source>
        <translation>Die Datei %1 ist zu groß zum Öffnen: Ihre %2 Byte ergeben mehr als %3 Aktionen.<byte value="xd"/>Eine Vorlage oder ein Batchskript kann höchstens %3 Aktionen enthalten.</translation>
    </message>
    <message>
        <source>Action %1 can&apos;t be written to a batch script: %2.<byte value="xd"/>%3</source>
        <translation>Aktion %1 kann nicht in ein Batchskript geschrieben werden: %2.<byte value="xd"/>%3</translation>
    </message>
    <message>
        <source>a share or path can&apos;t hold a double quote</source>
        <translation>eine Freigabe oder ein Pfad kann kein doppeltes Anführungszeichen enthalten</translation>
    </message>
    <message>
        <source>a printer needs a share</source>
        <translation>ein Drucker braucht eine Freigabe</translation>
    </message>
    <message>
        <source>the file would be larger than 64 MiB</source>
        <translation>die Datei würde größer als 64 MiB</translation>
    </message>
    <message>
        <source>a drive must be a letter</source>
        <translation>ein Laufwerk muss ein Buchstabe sein</translation>
    </message>
    <message>
        <source>options need a port</source>
        <translation>Optionen brauchen einen Anschluss</translation>
    </message>
    <message>
        <source>its options can&apos;t be read</source>
        <translation>ihre Optionen können nicht gelesen werden</translation>
    </message>
    <message>
        <source>There was a problem executing the action.<byte value="xd"/><byte value="xd"/>Some commands can only be executed within a batch file (e.g. echo), so this does not necessarily mean there will be an error when running the script as a whole.</source>
        <translation>Beim Ausführen der Aktion ist ein Problem aufgetreten.<byte value="xd"/><byte value="xd"/>Manche Befehle lassen sich nur in einer Batchdatei ausführen (z. B. echo); das heißt also nicht unbedingt, dass beim Ausführen des ganzen Skripts ein Fehler auftritt.</translation>
    </message>
    <message>
        <source>An error occurred while attempting to execute the temporary file, <byte value="xd"/>%1.</source>
        <translation>Beim Ausführen der temporären Datei ist ein Fehler aufgetreten: <byte value="xd"/>%1.</translation>
    </message>
    <message>
        <source>An error occurred while writing the line %1 to the file %2.</source>
        <translation>Beim Schreiben der Zeile %1 in die Datei %2 ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>the server %1 can&apos;t be reached</source>
        <translation>der Server %1 ist nicht erreichbar</translation>
    </message>
    <message>
        <source>the server %1 can&apos;t be reached (%2)</source>
        <translation>der Server %1 ist nicht erreichbar (%2)</translation>
    </message>
    <message>
        <source>the server %1 can&apos;t be reached (it didn&apos;t answer earlier)</source>
        <translation>der Server %1 ist nicht erreichbar (er hat zuvor nicht geantwortet)</translation>
    </message>
    <message>
        <source>no share named %1 on %2</source>
        <translation>keine Freigabe namens %1 auf %2</translation>
    </message>
    <message>
        <source>no such file: %1</source>
        <translation>Datei nicht vorhanden: %1</translation>
    </message>
    <message>
        <source>no such folder: %1</source>
        <translation>Ordner nicht vorhanden: %1</translation>
    </message>
    <message>
        <source>a folder, not a file: %1</source>
        <translation>ein Ordner, keine Datei: %1</translation>
    </message>
    <message>
        <source>access denied to %1</source>
        <translation>Zugriff verweigert auf %1</translation>
    </message>
    <message>
        <source>%1 is not a printer share</source>
        <translation>%1 ist keine Druckerfreigabe</translation>
    </message>
    <message>
        <source>not a network path (\\SERVER\SHARE): %1</source>
        <translation>kein Netzwerkpfad (\\SERVER\FREIGABE): %1</translation>
    </message>
    <message>
        <source>couldn&apos;t check %1</source>
        <translation>%1 konnte nicht geprüft werden</translation>
    </message>
    <message>
        <source>couldn&apos;t check %1: %2</source>
        <translation>%1 konnte nicht geprüft werden: %2</translation>
    </message>
    <message>
        <source>the user&apos;s own home directory</source>
        <translation>der eigene Basisordner des Benutzers</translation>
    </message>
    <message>
        <source>a path on the client computer</source>
        <translation>ein Pfad auf dem Clientcomputer</translation>
    </message>
    <message>
        <source>a command run on the client computer</source>
        <translation>ein Befehl, der auf dem Clientcomputer ausgeführt wird</translation>
    </message>
    <message>
        <source>nothing to check</source>
        <translation>nichts zu prüfen</translation>
    </message>
    <message>
        <source>drive %1: is mapped by actions %2 and %3</source>
        <translation>Laufwerk %1: wird von den Aktionen %2 und %3 verbunden</translation>
    </message>
    <message>
        <source>port LPT%1 is mapped by actions %2 and %3</source>
        <translation>Anschluss LPT%1 wird von den Aktionen %2 und %3 verbunden</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>The check ran out of memory: the actions after these were not checked.</source>
        <translation>Der Prüfung ist der Speicher ausgegangen: Die Aktionen danach wurden nicht geprüft.</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>Eingabe hinter dem Dateiende</translation>
    </message>
    <message>
        <source>Not a key of this section, or a value the key can&apos;t take</source>
        <translation>Kein Schlüssel dieses Abschnitts oder ein Wert, den der Schlüssel nicht annehmen kann</translation>
    </message>
    <message>
        <source>The section lacks a key it must have: a printer&apos;s port, a drive</source>
        <translation>Dem Abschnitt fehlt ein Schlüssel, den er haben muss: der Anschluss eines Druckers, ein Laufwerk</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Keine reguläre Datei</translation>
    </message>
    <message>
        <source>The new file was replaced by another before taking its place</source>
        <translation>Die neue Datei wurde durch eine andere ersetzt, bevor sie ihren Platz einnahm</translation>
    </message>
    <message>
        <source>no server of that name</source>
        <translation>kein Server dieses Namens</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>Fehler %1</translation>
    </message>
    <message>
        <source>its condition can&apos;t be read</source>
        <translation>ihre Bedingung kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>a condition name can&apos;t be empty</source>
        <translation>der Name einer Bedingung darf nicht leer sein</translation>
    </message>
    <message>
        <source>a condition name can only hold printable ASCII characters</source>
        <translation>der Name einer Bedingung darf nur druckbare ASCII-Zeichen enthalten</translation>
    </message>
    <message>
        <source>a condition name can&apos;t begin or end with a blank</source>
        <translation>der Name einer Bedingung darf nicht mit einem Leerzeichen beginnen oder enden</translation>
    </message>
    <message>
        <source>a condition name can&apos;t hold double quotes, % or !</source>
        <translation>der Name einer Bedingung darf keine doppelten Anführungszeichen, % oder ! enthalten</translation>
    </message>
    <message>
        <source>a condition name of a group holds at most one backslash (DOMAIN\GROUP)</source>
        <translation>der Gruppenname einer Bedingung enthält höchstens einen umgekehrten Schrägstrich (DOMÄNE\GRUPPE)</translation>
    </message>
    <message>
        <source>a condition name of a user or computer can&apos;t hold a backslash</source>
        <translation>der Benutzer- oder Computername einer Bedingung darf keinen umgekehrten Schrägstrich enthalten</translation>
    </message>
    <message>
        <source>a condition name of a computer can&apos;t hold a blank</source>
        <translation>der Computername einer Bedingung darf kein Leerzeichen enthalten</translation>
    </message>
    <message>
        <source>a command with a condition can&apos;t be empty</source>
        <translation>ein Befehl mit Bedingung darf nicht leer sein</translation>
    </message>
    <message>
        <source>a command with a condition can&apos;t begin with (, ), : or @</source>
        <translation>ein Befehl mit Bedingung darf nicht mit (, ), : oder @ beginnen</translation>
    </message>
    <message>
        <source>a command with a condition can&apos;t end with ^</source>
        <translation>ein Befehl mit Bedingung darf nicht mit ^ enden</translation>
    </message>
    <message>
        <source>an action with a condition can&apos;t follow a line ending with ^</source>
        <translation>eine Aktion mit Bedingung darf nicht auf eine Zeile folgen, die mit ^ endet</translation>
    </message>
    <message>
        <source>%1 (if %2)</source>
        <translation>%1 (wenn %2)</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>Compare…</source>
        <translation>Vergleichen…</translation>
    </message>
</context>
<context>
    <name>Undo</name>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alles löschen</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
</context>
<context>
    <name>Warning</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>If the network is down or unreachable, operations can take up to one minute to time out. It is not recomended that you close the DOS mode box before it is finished.</source>
        <translation>Wenn das Netzwerk ausgefallen oder nicht erreichbar ist, kann es bis zu einer Minute dauern, bis Vorgänge wegen Zeitüberschreitung abbrechen. Schließen Sie das Eingabeaufforderungsfenster besser nicht, bevor es fertig ist.</translation>
    </message>
    <message>
        <source>Don&apos;t show this message again</source>
        <translation>Diese Meldung nicht mehr anzeigen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Condition not tested: %1</source>
        <translation>Bedingung nicht geprüft: %1</translation>
    </message>
</context>
</TS>
