<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Velmar</name>
    <message>
        <source>Radio &amp;Options</source>
        <translation>Funkgerät-&amp;Optionen</translation>
    </message>
    <message>
        <source>Radio Options</source>
        <translation>Funkgerät-Optionen</translation>
    </message>
    <message>
        <source>What each option of the radio is. The texts in quotes are the dialog&apos;s own; the radio stores each choice as one code.</source>
        <translation>Was jede Option des Funkgeräts bedeutet. Die Texte in Anführungszeichen sind die des Dialogs selbst; das Funkgerät speichert jede Wahl als einen Code.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Sent…</source>
        <translation>Gesendet…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>&amp;Import Channels (CSV)…</source>
        <translation>Kanäle &amp;importieren (CSV)…</translation>
    </message>
    <message>
        <source>&amp;Export Channels (CSV)…</source>
        <translation>Kanäle e&amp;xportieren (CSV)…</translation>
    </message>
    <message>
        <source>Propert&amp;ies…</source>
        <translation>&amp;Eigenschaften…</translation>
    </message>
    <message>
        <source>Export Channel Car&amp;d…</source>
        <translation>Kanal&amp;karte exportieren…</translation>
    </message>
    <message>
        <source>&amp;Print Channel Card…</source>
        <translation>Kanalkarte &amp;drucken…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>&amp;Port</translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation>&amp;Funkgerät</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Verbinden</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Trennen</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Senden</translation>
    </message>
    <message>
        <source>&amp;Other Device…</source>
        <translation>&amp;Anderes Gerät…</translation>
    </message>
    <message>
        <source>&amp;Find My Cable…</source>
        <translation>Mein &amp;Kabel finden…</translation>
    </message>
    <message>
        <source>&amp;Channels</source>
        <translation>&amp;Kanäle</translation>
    </message>
    <message>
        <source>&amp;Fill Group with</source>
        <translation>Gruppe &amp;füllen mit</translation>
    </message>
    <message>
        <source>&amp;Clear Group</source>
        <translation>Gruppe &amp;leeren</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Co&amp;mpare With…</source>
        <translation>&amp;Vergleichen mit…</translation>
    </message>
    <message>
        <source>Compare With &amp;Last Sent</source>
        <translation>Mit zuletzt &amp;Gesendetem vergleichen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
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
        <source>&amp;Copy Group</source>
        <translation>Gruppe &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste Group</source>
        <translation>Gruppe &amp;einfügen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;All Channels</source>
        <translation>&amp;Alle Kanäle</translation>
    </message>
    <message>
        <source>&amp;Messages</source>
        <translation>&amp;Meldungen</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Meldungen</translation>
    </message>
    <message>
        <source>&amp;Copy All</source>
        <translation>Alles &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Später</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>&amp;Überschreiben</translation>
    </message>
    <message>
        <source>&amp;Merge into the file&apos;s Locations</source>
        <translation>Mit den Speicherplätzen der Datei &amp;zusammenführen</translation>
    </message>
    <message>
        <source>Replace &amp;all channels</source>
        <translation>&amp;Alle Kanäle ersetzen</translation>
    </message>
    <message>
        <source>Velmar settings (*.velmar)</source>
        <translation>Velmar-Einstellungen (*.velmar)</translation>
    </message>
    <message>
        <source>Channel lists (*.csv)</source>
        <translation>Kanallisten (*.csv)</translation>
    </message>
    <message>
        <source>Open Setting</source>
        <translation>Einstellung öffnen</translation>
    </message>
    <message>
        <source>Save Setting As</source>
        <translation>Einstellung speichern unter</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Kanäle importieren</translation>
    </message>
    <message>
        <source>Export Channels</source>
        <translation>Kanäle exportieren</translation>
    </message>
    <message>
        <source>Open a Sent Setting</source>
        <translation>Gesendete Einstellung öffnen</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>Export Channel Card</source>
        <translation>Kanalkarte exportieren</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titel:</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Notizen:</translation>
    </message>
    <message>
        <source>The title, the notes and the channels&apos; names travel with the setting file and go on the channel card; the radio does not store them.</source>
        <translation>Titel, Notizen und die Namen der Kanäle reisen mit der Einstellungsdatei und stehen auf der Kanalkarte; das Funkgerät speichert sie nicht.</translation>
    </message>
    <message>
        <source>Channel card</source>
        <translation>Kanalkarte</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>No channel has a frequency.</source>
        <translation>Kein Kanal hat eine Frequenz.</translation>
    </message>
    <message>
        <source>In this mode the radio uses its own channels: the groups below are not in use until &quot;GRUOP&quot; is chosen.</source>
        <translation>In diesem Modus nutzt das Funkgerät seine eigenen Kanäle: Die Gruppen unten sind erst in Gebrauch, wenn „GRUOP“ gewählt ist.</translation>
    </message>
    <message>
        <source>Disconnect to change the port: the port in use stays until then.</source>
        <translation>Trennen Sie die Verbindung, um den Port zu wechseln: Der verwendete Port bleibt bis dahin.</translation>
    </message>
    <message>
        <source>Other Device</source>
        <translation>Anderes Gerät</translation>
    </message>
    <message>
        <source>The device COM1 stands for (a serial device, a pseudo-terminal or a link to one):</source>
        <translation>Das Gerät, für das COM1 steht (ein serielles Gerät, ein Pseudo-Terminal oder ein Link darauf):</translation>
    </message>
    <message>
        <source>Find My Cable</source>
        <translation>Mein Kabel finden</translation>
    </message>
    <message>
        <source>built-in</source>
        <translation>eingebaut</translation>
    </message>
    <message>
        <source>open</source>
        <translation>offen</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>geschlossen</translation>
    </message>
    <message>
        <source>open, the line hung up</source>
        <translation>offen, die Leitung wurde getrennt</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Send progress</source>
        <translation>Sendefortschritt</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Empfangen</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Closing after the Send…</source>
        <translation>Schließen nach dem Senden…</translation>
    </message>
    <message>
        <source>PMR, LPD and PMR + LPD use the radio&apos;s own channels: choose &quot;GRUOP&quot; to program the groups.</source>
        <translation>PMR, LPD und PMR + LPD nutzen die eigenen Kanäle des Funkgeräts: Wählen Sie „GRUOP“, um die Gruppen zu programmieren.</translation>
    </message>
    <message>
        <source>The channels are programmed in the &quot;GRUOP&quot; mode.</source>
        <translation>Die Kanäle werden im Modus „GRUOP“ programmiert.</translation>
    </message>
    <message>
        <source>All Channels</source>
        <translation>Alle Kanäle</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Kanalabstand</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Kanalplan</translation>
    </message>
    <message>
        <source>Same as</source>
        <translation>Gleich wie</translation>
    </message>
    <message>
        <source>Chec&amp;k Setting</source>
        <translation>Einstellung &amp;prüfen</translation>
    </message>
    <message>
        <source>Check Setting</source>
        <translation>Einstellung prüfen</translation>
    </message>
    <message>
        <source>Nothing to warn of: every channel is a PMR446 or LPD433 channel in a group of its spacing, and no group holds a frequency twice.</source>
        <translation>Keine Warnung: Jeder Kanal ist ein PMR446- oder LPD433-Kanal in einer Gruppe seines Kanalabstands, und keine Gruppe enthält eine Frequenz zweimal.</translation>
    </message>
    <message>
        <source>Nothing to check: in this mode the radio uses its own channels, not the groups.</source>
        <translation>Nichts zu prüfen: In diesem Modus nutzt das Funkgerät seine eigenen Kanäle, nicht die Gruppen.</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Vergleichen mit</translation>
    </message>
    <message>
        <source>No Send the radio could have taken has been kept yet: the history of sent settings holds none.</source>
        <translation>Noch keine Sendung aufbewahrt, die das Funkgerät hätte übernehmen können: Der Verlauf gesendeter Einstellungen ist leer.</translation>
    </message>
</context>
</TS>
