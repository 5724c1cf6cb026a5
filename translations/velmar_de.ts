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
    <message>
        <source>Which channels the radio uses. &quot;PMR&quot;, &quot;LPD&quot; and &quot;PMR + LPD&quot; use the radio&apos;s own PMR446 channels, LPD433 channels or both; &quot;GRUOP&quot; (group) uses the eight groups of eight channels programmed here, and only it opens the channel edits.</source>
        <translation>Welche Kanäle das Funkgerät nutzt. „PMR“, „LPD“ und „PMR + LPD“ nutzen die eigenen PMR446-Kanäle, LPD433-Kanäle oder beide des Funkgeräts; „GRUOP“ (Gruppe) nutzt die hier programmierten acht Gruppen zu je acht Kanälen, und nur dieser Modus öffnet die Kanalfelder.</translation>
    </message>
    <message>
        <source>The group shown in CH1 to CH8. The radio holds eight groups, A to H, of eight channels each; every group is sent, not only the one shown.</source>
        <translation>Die in CH1 bis CH8 gezeigte Gruppe. Das Funkgerät hat acht Gruppen, A bis H, zu je acht Kanälen; gesendet werden alle Gruppen, nicht nur die gezeigte.</translation>
    </message>
    <message>
        <source>The channel spacing of the group shown, each group its own: &quot;12.5Khz&quot; (narrow, as PMR446 channels are) or &quot;25Khz&quot; (wide, as LPD433 channels are spaced).</source>
        <translation>Der Kanalabstand der gezeigten Gruppe, für jede Gruppe eigens: „12.5Khz“ (schmal, wie PMR446-Kanäle) oder „25Khz“ (breit, wie der Abstand der LPD433-Kanäle).</translation>
    </message>
    <message>
        <source>Scan delay: in the usual radio term, how long a scan stays on a busy channel before it goes on. &quot;OFF&quot;, or 1 to 60 seconds.</source>
        <translation>Suchlauf-Verzögerung: im üblichen Funkbegriff, wie lange ein Suchlauf auf einem belegten Kanal bleibt, bevor er weitersucht. „OFF“ oder 1 bis 60 Sekunden.</translation>
    </message>
    <message>
        <source>A time for the PTT (push-to-talk) key: &quot;OFF&quot;, or 5 to 60 seconds. What the radio times with it is not documented.</source>
        <translation>Eine Zeit für die Sendetaste (PTT): „OFF“ oder 5 bis 60 Sekunden. Was das Funkgerät damit zeitlich begrenzt, ist nicht dokumentiert.</translation>
    </message>
    <message>
        <source>Busy channel lock-out, in the usual radio term: the radio does not transmit on a channel in use. &quot;OFF&quot;, &quot;CA On&quot;, &quot;CT On&quot; or &quot;DT On&quot;; what each of the last three judges a channel busy by is not documented.</source>
        <translation>Sendesperre bei belegtem Kanal (BCLO), im üblichen Funkbegriff: Das Funkgerät sendet nicht auf einem Kanal, der belegt ist. „OFF“, „CA On“, „CT On“ oder „DT On“; woran die letzten drei einen belegten Kanal erkennen, ist nicht dokumentiert.</translation>
    </message>
    <message>
        <source>Transmit time-out timer (TOT): the longest the radio transmits for one press of the PTT key. &quot;OFF&quot;, or 15 to 240 seconds.</source>
        <translation>Sendezeitbegrenzung (TOT): wie lange das Funkgerät bei einem Druck auf die Sendetaste höchstens sendet. „OFF“ oder 15 bis 240 Sekunden.</translation>
    </message>
    <message>
        <source>VOX (voice-operated transmit): how long a voice must be heard before the radio starts to transmit. 0 to 200 milliseconds.</source>
        <translation>VOX (Sprachsteuerung): wie lange eine Stimme zu hören sein muss, bevor das Funkgerät zu senden beginnt. 0 bis 200 Millisekunden.</translation>
    </message>
    <message>
        <source>VOX (voice-operated transmit): how long the radio goes on transmitting after the voice stops. 0.5 to 2.0 seconds.</source>
        <translation>VOX (Sprachsteuerung): wie lange das Funkgerät weitersendet, nachdem die Stimme verstummt ist. 0,5 bis 2,0 Sekunden.</translation>
    </message>
    <message>
        <source>How long a key is held to count as a long press: 0.5, 1.0 or 2.0 seconds.</source>
        <translation>Wie lange eine Taste gehalten werden muss, damit es als langer Druck zählt: 0,5, 1,0 oder 2,0 Sekunden.</translation>
    </message>
    <message>
        <source>Battery saving (power save): while the channel is quiet the radio listens only part of the time. The values are the ratios &quot;0.0 : 0.0&quot;, &quot;1.0 : 1.0&quot;, &quot;1.5 : 1.0&quot; and &quot;2.0 : 1.0&quot;; which side of a ratio is the sleep is not documented.</source>
        <translation>Stromsparen (Power Save): Während der Kanal ruhig ist, hört das Funkgerät nur einen Teil der Zeit. Die Werte sind die Verhältnisse „0.0 : 0.0“, „1.0 : 1.0“, „1.5 : 1.0“ und „2.0 : 1.0“; welche Seite eines Verhältnisses die Ruhezeit ist, ist nicht dokumentiert.</translation>
    </message>
    <message>
        <source>CTCSS, the sub-audible tones PMR446 radios call privacy codes: the set of tones the radio offers. &quot;Disable&quot;, codes &quot;1 - 38&quot; or codes &quot;1 - 50&quot;.</source>
        <translation>CTCSS, die unterhörbaren Töne, die bei PMR446-Geräten Privatcodes heißen: die Menge der Töne, die das Funkgerät anbietet. „Disable“, Codes „1 - 38“ oder Codes „1 - 50“.</translation>
    </message>
    <message>
        <source>DCS (digital coded squelch): the set of codes the radio offers. &quot;Disable&quot;, codes &quot;1 - 83&quot; or codes &quot;1 - 104&quot;.</source>
        <translation>DCS (digitale Rauschsperre): die Menge der Codes, die das Funkgerät anbietet. „Disable“, Codes „1 - 83“ oder Codes „1 - 104“.</translation>
    </message>
    <message>
        <source>&quot;On&quot; or &quot;Off&quot;. What the radio does with it is not documented.</source>
        <translation>„On“ oder „Off“. Was das Funkgerät damit tut, ist nicht dokumentiert.</translation>
    </message>
    <message>
        <source>&quot;410Mhz&quot; to &quot;490Mhz&quot;, in steps of 10 MHz. What the radio does with this choice is not documented, so Velmar does not judge the channels by it; the channels themselves may be anywhere from 400 to 500 MHz.</source>
        <translation>„410Mhz“ bis „490Mhz“ in Schritten von 10 MHz. Was das Funkgerät mit dieser Wahl tut, ist nicht dokumentiert, daher beurteilt Velmar die Kanäle nicht danach; die Kanäle selbst dürfen irgendwo zwischen 400 und 500 MHz liegen.</translation>
    </message>
    <message>
        <source>record of the Send of %1, checksum %2 (stalled: the radio may not have it)</source>
        <translation>Aufzeichnung der Sendung vom %1, Prüfsumme %2 (ins Stocken geraten: das Funkgerät hat sie womöglich nicht)</translation>
    </message>
    <message>
        <source>record of the Send of %1, checksum %2</source>
        <translation>Aufzeichnung der Sendung vom %1, Prüfsumme %2</translation>
    </message>
    <message numerus="yes">
        <source>Unplug the radio&apos;s programming cable now, or plug it in; if it was unplugged, plug it in again. Velmar watches the serial ports for %Ln seconds.</source>
        <comment>Unplug the radio&apos;s programming cable now, or plug it in; if it was unplugged, plug it in again. Velmar watches the serial ports for %Ln second.</comment>
        <translation>
            <numerusform>Ziehen Sie jetzt das Programmierkabel des Funkgeräts ab oder stecken Sie es ein; war es abgezogen, stecken Sie es wieder ein. Velmar beobachtet die seriellen Ports %Ln Sekunde lang.</numerusform>
            <numerusform>Ziehen Sie jetzt das Programmierkabel des Funkgeräts ab oder stecken Sie es ein; war es abgezogen, stecken Sie es wieder ein. Velmar beobachtet die seriellen Ports %Ln Sekunden lang.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (not present now)</source>
        <translation>%1 (jetzt nicht vorhanden)</translation>
    </message>
    <message>
        <source>%1 (a pseudo-terminal)</source>
        <translation>%1 (ein Pseudo-Terminal)</translation>
    </message>
    <message>
        <source>%1 (the simulated radio)</source>
        <translation>%1 (das simulierte Funkgerät)</translation>
    </message>
    <message>
        <source>Found the cable: COM1 is now %1</source>
        <translation>Kabel gefunden: COM1 ist jetzt %1</translation>
    </message>
    <message numerus="yes">
        <source>Nothing changed: no serial port appeared or came back in %Ln seconds. COM1 stays %1.</source>
        <comment>Nothing changed: no serial port appeared or came back in %Ln second. COM1 stays %1.</comment>
        <translation>
            <numerusform>Nichts hat sich geändert: In %Ln Sekunde ist kein serieller Port erschienen oder zurückgekehrt. COM1 bleibt %1.</numerusform>
            <numerusform>Nichts hat sich geändert: In %Ln Sekunden ist kein serieller Port erschienen oder zurückgekehrt. COM1 bleibt %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 went away and did not come back in %Ln seconds. Plug the cable in and try again. COM1 stays %2.</source>
        <comment>%1 went away and did not come back in %Ln second. Plug the cable in and try again. COM1 stays %2.</comment>
        <translation>
            <numerusform>%1 ist verschwunden und in %Ln Sekunde nicht zurückgekehrt. Stecken Sie das Kabel ein und versuchen Sie es erneut. COM1 bleibt %2.</numerusform>
            <numerusform>%1 ist verschwunden und in %Ln Sekunden nicht zurückgekehrt. Stecken Sie das Kabel ein und versuchen Sie es erneut. COM1 bleibt %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>No serial ports are present now.</source>
        <translation>Jetzt sind keine seriellen Ports vorhanden.</translation>
    </message>
    <message>
        <source>Serial ports present now:</source>
        <translation>Jetzt vorhandene serielle Ports:</translation>
    </message>
    <message>
        <source>%1 of %2 bytes, %3 s left</source>
        <translation>%1 von %2 Bytes, noch %3 s</translation>
    </message>
    <message>
        <source>Sent %1 bytes, checksum %2</source>
        <translation>%1 Bytes gesendet, Prüfsumme %2</translation>
    </message>
    <message>
        <source>Sent %1 bytes, checksum %2, but %3</source>
        <translation>%1 Bytes gesendet, Prüfsumme %2, aber %3</translation>
    </message>
    <message>
        <source>Sent %1 of %2 bytes: %3</source>
        <translation>%1 von %2 Bytes gesendet: %3</translation>
    </message>
    <message>
        <source>Received %1</source>
        <translation>Empfangen: %1</translation>
    </message>
    <message>
        <source>Received %1: %2</source>
        <translation>Empfangen: %1: %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1: %2 completed to %3</source>
        <translation>%1: %2 ergänzt zu %3</translation>
    </message>
    <message>
        <source>%1: %2 is outside 400 to 500 MHz, cleared</source>
        <translation>%1: %2 liegt außerhalb von 400 bis 500 MHz, gelöscht</translation>
    </message>
    <message>
        <source>%1: %2 moved down to %3 (6.25 kHz steps)</source>
        <translation>%1: %2 abgerundet auf %3 (6,25-kHz-Raster)</translation>
    </message>
    <message>
        <source>%1: %2 is not a frequency (three digits, a point, five digits), cleared</source>
        <translation>%1: %2 ist keine Frequenz (drei Ziffern, ein Punkt, fünf Ziffern), gelöscht</translation>
    </message>
    <message>
        <source>%1 %2 shows &quot;%3&quot;, which is not a frequency that can be sent. Complete it (nine characters, such as 446.10000) or clear it, then try again.</source>
        <translation>%1 %2 zeigt „%3“, das ist keine Frequenz, die gesendet werden kann. Vervollständigen Sie sie (neun Zeichen, etwa 446.10000) oder löschen Sie sie und versuchen Sie es dann erneut.</translation>
    </message>
    <message numerus="yes">
        <source>Please enter no more than %Ln characters.</source>
        <comment>Please enter no more than %Ln character.</comment>
        <translation>
            <numerusform>Bitte geben Sie höchstens %Ln Zeichen ein.</numerusform>
            <numerusform>Bitte geben Sie höchstens %Ln Zeichen ein.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %Ln channels. Replace them with %2?</source>
        <comment>%1 holds %Ln channel. Replace it with %2?</comment>
        <translation>
            <numerusform>%1 enthält %Ln Kanal. Durch %2 ersetzen?</numerusform>
            <numerusform>%1 enthält %Ln Kanäle. Durch %2 ersetzen?</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 channel %2</source>
        <translation>%1 Kanal %2</translation>
    </message>
    <message>
        <source>%1 channels %2–%3</source>
        <translation>%1 Kanäle %2–%3</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 are both %2</source>
        <translation>%1 sind beide %2</translation>
    </message>
    <message>
        <source>%1 are all %2</source>
        <translation>%1 sind alle %2</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln things to look at before a Send; they do not stop it:</source>
        <comment>%Ln thing to look at before a Send; it does not stop it:</comment>
        <translation>
            <numerusform>%Ln Punkt vor dem Senden zu beachten; er hält das Senden nicht auf:</numerusform>
            <numerusform>%Ln Punkte vor dem Senden zu beachten; sie halten das Senden nicht auf:</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 is a PMR446 channel, which are 12.5 kHz wide, in a 25Khz group: set %1 to 12.5Khz.</source>
        <translation>%1: %2 ist ein PMR446-Kanal (12,5 kHz breit) in einer 25Khz-Gruppe: Stellen Sie %1 auf 12.5Khz.</translation>
    </message>
    <message>
        <source>%1: %2 are PMR446 channels, which are 12.5 kHz wide, in a 25Khz group: set %1 to 12.5Khz.</source>
        <translation>%1: %2 sind PMR446-Kanäle (12,5 kHz breit) in einer 25Khz-Gruppe: Stellen Sie %1 auf 12.5Khz.</translation>
    </message>
    <message>
        <source>%1: %2 is an LPD433 channel, which are 25 kHz wide, in a 12.5Khz group: set %1 to 25Khz.</source>
        <translation>%1: %2 ist ein LPD433-Kanal (25 kHz breit) in einer 12.5Khz-Gruppe: Stellen Sie %1 auf 25Khz.</translation>
    </message>
    <message>
        <source>%1: %2 are LPD433 channels, which are 25 kHz wide, in a 12.5Khz group: set %1 to 25Khz.</source>
        <translation>%1: %2 sind LPD433-Kanäle (25 kHz breit) in einer 12.5Khz-Gruppe: Stellen Sie %1 auf 25Khz.</translation>
    </message>
    <message>
        <source>%1: %2 is outside the licence-free channels (PMR446: 446.00625 to 446.19375 MHz; LPD433: 433.07500 to 434.77500 MHz), for information.</source>
        <translation>%1: %2 liegt außerhalb der anmeldefreien Kanäle (PMR446: 446.00625 bis 446.19375 MHz; LPD433: 433.07500 bis 434.77500 MHz), zur Information.</translation>
    </message>
    <message>
        <source>%1: %2 are outside the licence-free channels (PMR446: 446.00625 to 446.19375 MHz; LPD433: 433.07500 to 434.77500 MHz), for information.</source>
        <translation>%1: %2 liegen außerhalb der anmeldefreien Kanäle (PMR446: 446.00625 bis 446.19375 MHz; LPD433: 433.07500 bis 434.77500 MHz), zur Information.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Before a Send: %1</source>
        <translation>Vor dem Senden: %1</translation>
    </message>
    <message>
        <source>Before a Send (1 of %1, all in Edit &gt; Check Setting): %2</source>
        <translation>Vor dem Senden (1 von %1, alle unter Bearbeiten &gt; Einstellung prüfen): %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Channel Spacing of %1</source>
        <translation>Kanalabstand von %1</translation>
    </message>
    <message>
        <source>Name of %1 of %2</source>
        <translation>Name von %1 von %2</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>Fill Group %1</source>
        <translation>Gruppe %1 füllen</translation>
    </message>
    <message>
        <source>Clear Group %1</source>
        <translation>Gruppe %1 leeren</translation>
    </message>
    <message>
        <source>Paste Group %1</source>
        <translation>Gruppe %1 einfügen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>%1 %2: %3 is outside 400 to 500 MHz, not taken</source>
        <translation>%1 %2: %3 liegt außerhalb von 400 bis 500 MHz, nicht übernommen</translation>
    </message>
    <message>
        <source>%1 %2: %3 is not a frequency, not taken</source>
        <translation>%1 %2: %3 ist keine Frequenz, nicht übernommen</translation>
    </message>
    <message>
        <source>%1 %2: %3 moved down to %4 (6.25 kHz steps)</source>
        <translation>%1 %2: %3 abgerundet auf %4 (6,25-kHz-Raster)</translation>
    </message>
    <message>
        <source>%1 %2: %3 completed to %4</source>
        <translation>%1 %2: %3 ergänzt zu %4</translation>
    </message>
    <message numerus="yes">
        <source>The title has more than %Ln characters: shorten it to keep it.</source>
        <comment>The title has more than %Ln character: shorten it to keep it.</comment>
        <translation>
            <numerusform>Der Titel hat mehr als %Ln Zeichen: Kürzen Sie ihn, um ihn zu behalten.</numerusform>
            <numerusform>Der Titel hat mehr als %Ln Zeichen: Kürzen Sie ihn, um ihn zu behalten.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The notes have more than %Ln characters: shorten them to keep them.</source>
        <comment>The notes have more than %Ln character: shorten them to keep them.</comment>
        <translation>
            <numerusform>Die Notizen haben mehr als %Ln Zeichen: Kürzen Sie sie, um sie zu behalten.</numerusform>
            <numerusform>Die Notizen haben mehr als %Ln Zeichen: Kürzen Sie sie, um sie zu behalten.</numerusform>
        </translation>
    </message>
    <message>
        <source>The title holds a control character: take it out to keep it.</source>
        <translation>Der Titel enthält ein Steuerzeichen: Entfernen Sie es, um den Titel zu behalten.</translation>
    </message>
    <message>
        <source>The notes hold a control character: take it out to keep them.</source>
        <translation>Die Notizen enthalten ein Steuerzeichen: Entfernen Sie es, um die Notizen zu behalten.</translation>
    </message>
    <message>
        <source>Made %1 with Velmar</source>
        <translation>Erstellt am %1 mit Velmar</translation>
    </message>
    <message>
        <source>Channel card written to %1</source>
        <translation>Kanalkarte geschrieben nach %1</translation>
    </message>
    <message>
        <source>there is no font to write it in: install %1 (the fonts-dejavu-core package)</source>
        <translation>es gibt keine Schrift, um sie zu schreiben: Installieren Sie %1 (das Paket fonts-dejavu-core)</translation>
    </message>
    <message>
        <source>The channel card was not written: %1</source>
        <translation>Die Kanalkarte wurde nicht geschrieben: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 %2: a name has up to %Ln characters, not taken</source>
        <comment>%1 %2: a name has up to %Ln character, not taken</comment>
        <translation>
            <numerusform>%1 %2: Ein Name hat höchstens %Ln Zeichen, nicht übernommen</numerusform>
            <numerusform>%1 %2: Ein Name hat höchstens %Ln Zeichen, nicht übernommen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2: a name holds no control characters, not taken</source>
        <translation>%1 %2: Ein Name enthält keine Steuerzeichen, nicht übernommen</translation>
    </message>
    <message>
        <source>%1 changes from %2 to %3: %4 of its rows say FM, %5 say NFM.</source>
        <translation>%1 wechselt von %2 zu %3: %4 seiner Zeilen sagen FM, %5 sagen NFM.</translation>
    </message>
    <message>
        <source>%1 changes from %2 to %3: its rows say FM.</source>
        <translation>%1 wechselt von %2 zu %3: Seine Zeilen sagen FM.</translation>
    </message>
    <message>
        <source>%1 changes from %2 to %3: its rows say NFM.</source>
        <translation>%1 wechselt von %2 zu %3: Seine Zeilen sagen NFM.</translation>
    </message>
    <message>
        <source>identical: this is what the radio got at %1</source>
        <translation>identisch: Das hat das Funkgerät am %1 erhalten</translation>
    </message>
    <message>
        <source>identical: the setting shown is %1</source>
        <translation>identisch: Die gezeigte Einstellung ist %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln differences from %1 to the setting shown: see the details.</source>
        <comment>%Ln difference from %1 to the setting shown: see the details.</comment>
        <translation>
            <numerusform>%Ln Unterschied von %1 zur gezeigten Einstellung: siehe die Details.</numerusform>
            <numerusform>%Ln Unterschiede von %1 zur gezeigten Einstellung: siehe die Details.</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>%1: %2 → %3</source>
        <translation>%1: %2 → %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>%1 %2 name</source>
        <translation>%1 %2 Name</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 geöffnet</translation>
    </message>
    <message>
        <source>Opened a copy of %1: Save asks for a new file</source>
        <translation>Kopie von %1 geöffnet: Speichern fragt nach einer neuen Datei</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 gespeichert</translation>
    </message>
    <message>
        <source>Channels exported to %1</source>
        <translation>Kanäle exportiert nach %1</translation>
    </message>
    <message>
        <source>The setting has changes that are not saved. Save them?</source>
        <translation>Die Einstellung hat Änderungen, die nicht gespeichert sind. Speichern?</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved. Save them?</source>
        <translation>%1 hat Änderungen, die nicht gespeichert sind. Speichern?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since Velmar opened or saved it. Overwrite those changes with the setting shown, or save it as another file?</source>
        <translation>%1 wurde von einem anderen Programm geändert, seit Velmar die Datei geöffnet oder gespeichert hat. Diese Änderungen mit der gezeigten Einstellung überschreiben oder sie als andere Datei speichern?</translation>
    </message>
    <message>
        <source>%1 is a channel list (CSV), not a setting file. Import its channels into the setting shown?</source>
        <translation>%1 ist eine Kanalliste (CSV), keine Einstellungsdatei. Ihre Kanäle in die gezeigte Einstellung importieren?</translation>
    </message>
    <message>
        <source>Not remembered: %1</source>
        <translation>Nicht gemerkt: %1</translation>
    </message>
    <message>
        <source>No recent files: %1</source>
        <translation>Keine zuletzt geöffneten Dateien: %1</translation>
    </message>
    <message>
        <source>Not kept in the history of sent settings: %1</source>
        <translation>Nicht im Verlauf gesendeter Einstellungen aufbewahrt: %1</translation>
    </message>
    <message>
        <source>Unsaved changes not kept against a crash: %1</source>
        <translation>Ungespeicherte Änderungen nicht gegen einen Absturz gesichert: %1</translation>
    </message>
    <message>
        <source>no channels</source>
        <translation>keine Kanäle</translation>
    </message>
    <message numerus="yes">
        <source>%Ln channels in 1 group</source>
        <comment>%Ln channel in 1 group</comment>
        <translation>
            <numerusform>%Ln Kanal in 1 Gruppe</numerusform>
            <numerusform>%Ln Kanäle in 1 Gruppe</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln channels in %1 groups</source>
        <comment>%Ln channel in %1 groups</comment>
        <translation>
            <numerusform>%Ln Kanal in %1 Gruppen</numerusform>
            <numerusform>%Ln Kanäle in %1 Gruppen</numerusform>
        </translation>
    </message>
    <message>
        <source>Velmar ended at %1 without saving the changes to a setting (%2). Restore them?</source>
        <translation>Velmar wurde um %1 beendet, ohne die Änderungen an einer Einstellung zu speichern (%2). Wiederherstellen?</translation>
    </message>
    <message>
        <source>Velmar ended at %1 without saving the changes to %2 (%3). Restore them?</source>
        <translation>Velmar wurde um %1 beendet, ohne die Änderungen an %2 zu speichern (%3). Wiederherstellen?</translation>
    </message>
    <message>
        <source>(%1 of %2 windows) %3</source>
        <translation>(%1 von %2 Fenstern) %3</translation>
    </message>
    <message>
        <source>Restored the unsaved changes to a setting</source>
        <translation>Die ungespeicherten Änderungen an einer Einstellung wiederhergestellt</translation>
    </message>
    <message>
        <source>Restored the unsaved changes to %1</source>
        <translation>Die ungespeicherten Änderungen an %1 wiederhergestellt</translation>
    </message>
    <message>
        <source>%1: permission denied. Your user must be in the group that owns the device, &quot;%2&quot; (for example: sudo usermod -aG %2 $USER), and log in again.</source>
        <translation>%1: Zugriff verweigert. Ihr Benutzer muss in der Gruppe sein, der das Gerät gehört, „%2“ (zum Beispiel: sudo usermod -aG %2 $USER), und sich neu anmelden.</translation>
    </message>
    <message>
        <source>%1: permission denied. Only root may open this device. Ask the administrator for a udev rule that gives it to the group &quot;dialout&quot; (for example a file /etc/udev/rules.d/50-velmar.rules with the line %2), join that group (sudo usermod -aG dialout $USER) and log in again.</source>
        <translation>%1: Zugriff verweigert. Nur root darf dieses Gerät öffnen. Bitten Sie die Administration um eine udev-Regel, die es der Gruppe „dialout“ gibt (zum Beispiel eine Datei /etc/udev/rules.d/50-velmar.rules mit der Zeile %2), treten Sie dieser Gruppe bei (sudo usermod -aG dialout $USER) und melden Sie sich neu an.</translation>
    </message>
    <message>
        <source>%1: permission denied. The device belongs to the group &quot;%2&quot;, which gives its members much more than this device: do not join it. Ask the administrator for a udev rule that gives it to the group &quot;dialout&quot; (for example a file /etc/udev/rules.d/50-velmar.rules with the line %3), join that group (sudo usermod -aG dialout $USER) and log in again.</source>
        <translation>%1: Zugriff verweigert. Das Gerät gehört der Gruppe „%2“, die ihren Mitgliedern viel mehr als dieses Gerät gibt: Treten Sie ihr nicht bei. Bitten Sie die Administration um eine udev-Regel, die es der Gruppe „dialout“ gibt (zum Beispiel eine Datei /etc/udev/rules.d/50-velmar.rules mit der Zeile %3), treten Sie dieser Gruppe bei (sudo usermod -aG dialout $USER) und melden Sie sich neu an.</translation>
    </message>
    <message>
        <source>it is open in this program</source>
        <translation>es ist in diesem Programm geöffnet</translation>
    </message>
    <message>
        <source>another program holds it</source>
        <translation>ein anderes Programm hält es</translation>
    </message>
    <message>
        <source>the port is not open</source>
        <translation>der Port ist nicht geöffnet</translation>
    </message>
    <message>
        <source>0 baud is not a speed</source>
        <translation>0 Baud ist keine Geschwindigkeit</translation>
    </message>
    <message>
        <source>%1 baud is not a speed this system can set</source>
        <translation>%1 Baud ist keine Geschwindigkeit, die dieses System einstellen kann</translation>
    </message>
    <message>
        <source>%1 data bits are not possible (5 to 8 are)</source>
        <translation>%1 Datenbits sind nicht möglich (5 bis 8 sind es)</translation>
    </message>
    <message>
        <source>one and a half stop bits are not available on this system</source>
        <translation>anderthalb Stoppbits gibt es auf diesem System nicht</translation>
    </message>
    <message>
        <source>stop-bits code %1 is unknown (0 = one, 2 = two)</source>
        <translation>Stoppbit-Code %1 ist unbekannt (0 = eins, 2 = zwei)</translation>
    </message>
    <message>
        <source>parity code %1 is unknown (0 to 4 are)</source>
        <translation>Paritätscode %1 ist unbekannt (0 bis 4 sind bekannt)</translation>
    </message>
    <message>
        <source>the driver did not keep %1 baud</source>
        <translation>der Treiber hat %1 Baud nicht beibehalten</translation>
    </message>
    <message>
        <source>the driver did not keep %1 data bits</source>
        <translation>der Treiber hat %1 Datenbits nicht beibehalten</translation>
    </message>
    <message>
        <source>the driver did not keep the stop bits</source>
        <translation>der Treiber hat die Stoppbits nicht beibehalten</translation>
    </message>
    <message>
        <source>the driver did not keep parity code %1</source>
        <translation>der Treiber hat den Paritätscode %1 nicht beibehalten</translation>
    </message>
    <message>
        <source>the driver did not turn flow control off</source>
        <translation>der Treiber hat die Flusssteuerung nicht abgeschaltet</translation>
    </message>
    <message>
        <source>the driver did not keep raw mode</source>
        <translation>der Treiber hat den Rohmodus nicht beibehalten</translation>
    </message>
    <message>
        <source>no watch thread could be started</source>
        <translation>es konnte kein Überwachungs-Thread gestartet werden</translation>
    </message>
    <message>
        <source>%1: no such device (%2).</source>
        <translation>%1: kein solches Gerät (%2).</translation>
    </message>
    <message>
        <source>%1 is busy: %2.</source>
        <translation>%1 ist belegt: %2.</translation>
    </message>
    <message>
        <source>%1 is busy: another program holds it. Close that program and connect again.</source>
        <translation>%1 ist belegt: Ein anderes Programm hält es. Schließen Sie dieses Programm und verbinden Sie erneut.</translation>
    </message>
    <message>
        <source>%1 is not a serial device.</source>
        <translation>%1 ist kein serielles Gerät.</translation>
    </message>
    <message>
        <source>%1: the line settings were refused: %2.</source>
        <translation>%1: Die Leitungseinstellungen wurden abgelehnt: %2.</translation>
    </message>
    <message>
        <source>%1 could not be opened: the system is out of resources (%2).</source>
        <translation>%1 konnte nicht geöffnet werden: Dem System fehlen Ressourcen (%2).</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <translation>%1 konnte nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>the whole frame was sent</source>
        <translation>der ganze Rahmen wurde gesendet</translation>
    </message>
    <message>
        <source>the line hung up (the cable or adapter was disconnected, or the other side closed)</source>
        <translation>die Leitung wurde getrennt (Kabel oder Adapter abgezogen, oder die Gegenseite hat geschlossen)</translation>
    </message>
    <message>
        <source>a write did not get its bytes out in time (the line is held up or the device failed)</source>
        <translation>ein Schreibvorgang hat seine Bytes nicht rechtzeitig hinausgebracht (die Leitung hängt oder das Gerät ist ausgefallen)</translation>
    </message>
    <message>
        <source>the line stalled for %1 ms after byte %2, longer than the radio waits: it may not have taken the frame; send again</source>
        <translation>die Leitung stockte %1 ms nach Byte %2, länger als das Funkgerät wartet: Es hat den Rahmen womöglich nicht übernommen; senden Sie erneut</translation>
    </message>
    <message>
        <source>stopped by Disconnect</source>
        <translation>durch Trennen angehalten</translation>
    </message>
    <message>
        <source>stopped after the whole frame was sent</source>
        <translation>angehalten, nachdem der ganze Rahmen gesendet war</translation>
    </message>
    <message>
        <source>stopped before the frame was complete</source>
        <translation>angehalten, bevor der Rahmen vollständig war</translation>
    </message>
    <message>
        <source>command line</source>
        <translation>Befehlszeile</translation>
    </message>
    <message>
        <source>remembered</source>
        <translation>gemerkt</translation>
    </message>
    <message>
        <source>chosen</source>
        <translation>gewählt</translation>
    </message>
    <message>
        <source>remembered port unreadable</source>
        <translation>gemerkter Port nicht lesbar</translation>
    </message>
    <message>
        <source>default</source>
        <translation>Vorgabe</translation>
    </message>
    <message>
        <source>COM1 = no device (%1)</source>
        <translation>COM1 = kein Gerät (%1)</translation>
    </message>
    <message>
        <source>COM1 = %1 (%2)</source>
        <translation>COM1 = %1 (%2)</translation>
    </message>
    <message>
        <source>%1 was still marked as held by a program that had ended; the mark was cleared.</source>
        <translation>%1 war noch als von einem beendeten Programm gehalten markiert; die Markierung wurde entfernt.</translation>
    </message>
    <message>
        <source>COM1 stands for no device: the port chosen last cannot be read (%1). Give the port with --port DEV, or choose one in the Port menu of Velmar&apos;s window.</source>
        <translation>COM1 steht für kein Gerät: Der zuletzt gewählte Port kann nicht gelesen werden (%1). Geben Sie den Port mit --port DEV an oder wählen Sie einen im Menü Port des Velmar-Fensters.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln rows say</source>
        <comment>%Ln row says</comment>
        <translation>
            <numerusform>%Ln Zeile sagt</numerusform>
            <numerusform>%Ln Zeilen sagen</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1: no Location, not taken</source>
        <translation>Zeile %1: kein Speicherplatz (Location), nicht übernommen</translation>
    </message>
    <message>
        <source>line %1: Location &quot;%2&quot; is not a number, not taken</source>
        <translation>Zeile %1: Location „%2“ ist keine Zahl, nicht übernommen</translation>
    </message>
    <message>
        <source>line %1: Location %2 is beyond the 64 channels, not taken</source>
        <translation>Zeile %1: Location %2 liegt jenseits der 64 Kanäle, nicht übernommen</translation>
    </message>
    <message>
        <source>line %1: no frequency, not taken</source>
        <translation>Zeile %1: keine Frequenz, nicht übernommen</translation>
    </message>
    <message>
        <source>line %1: Frequency &quot;%2&quot; is not a number, not taken</source>
        <translation>Zeile %1: Frequency „%2“ ist keine Zahl, nicht übernommen</translation>
    </message>
    <message>
        <source>line %1: %2 MHz is outside 400 to 500 MHz, not taken</source>
        <translation>Zeile %1: %2 MHz liegt außerhalb von 400 bis 500 MHz, nicht übernommen</translation>
    </message>
    <message>
        <source>line %1: Frequency %2 has a decimal comma that splits it in two, not taken: write it with a point, or in quotes</source>
        <translation>Zeile %1: Frequency %2 hat ein Dezimalkomma, das sie in zwei teilt, nicht übernommen: Schreiben Sie sie mit Punkt oder in Anführungszeichen</translation>
    </message>
    <message>
        <source>line %1: %2: %3 moved to %4 (6.25 kHz steps)</source>
        <translation>Zeile %1: %2: %3 verschoben auf %4 (6,25-kHz-Raster)</translation>
    </message>
    <message>
        <source>line %1: %2 moved to %3 (6.25 kHz steps)</source>
        <translation>Zeile %1: %2 verschoben auf %3 (6,25-kHz-Raster)</translation>
    </message>
    <message>
        <source>line %1: %2: given on line %3 too; this later row is taken</source>
        <translation>Zeile %1: %2: auch in Zeile %3 angegeben; diese spätere Zeile wird übernommen</translation>
    </message>
    <message>
        <source>line %1: given on line %2 too; this later row is taken</source>
        <translation>Zeile %1: auch in Zeile %2 angegeben; diese spätere Zeile wird übernommen</translation>
    </message>
    <message>
        <source>line %1: %2: %3 not kept: this radio has no such setting</source>
        <translation>Zeile %1: %2: %3 nicht behalten: Dieses Funkgerät hat keine solche Einstellung</translation>
    </message>
    <message>
        <source>line %1: %2 not kept: this radio has no such setting</source>
        <translation>Zeile %1: %2 nicht behalten: Dieses Funkgerät hat keine solche Einstellung</translation>
    </message>
    <message>
        <source>line %1: %2: %3 is the frequency of %4 too</source>
        <translation>Zeile %1: %2: %3 ist auch die Frequenz von %4</translation>
    </message>
    <message>
        <source>line %1: %2 is the frequency of %3 too</source>
        <translation>Zeile %1: %2 ist auch die Frequenz von %3</translation>
    </message>
    <message>
        <source>line %1: %2: the Name &quot;%3&quot; has more than %4 characters: &quot;%5&quot; kept</source>
        <translation>Zeile %1: %2: Der Name „%3“ hat mehr als %4 Zeichen: „%5“ behalten</translation>
    </message>
    <message>
        <source>line %1: the Name &quot;%2&quot; has more than %3 characters: &quot;%4&quot; kept</source>
        <translation>Zeile %1: Der Name „%2“ hat mehr als %3 Zeichen: „%4“ behalten</translation>
    </message>
    <message>
        <source>line %1: %2: the Name holds a control character or is not UTF-8 text, not kept</source>
        <translation>Zeile %1: %2: Der Name enthält ein Steuerzeichen oder ist kein UTF-8-Text, nicht behalten</translation>
    </message>
    <message>
        <source>line %1: the Name holds a control character or is not UTF-8 text, not kept</source>
        <translation>Zeile %1: Der Name enthält ein Steuerzeichen oder ist kein UTF-8-Text, nicht behalten</translation>
    </message>
    <message>
        <source>The Locations start at 0: taken in order, Location 0 as Group A CH1</source>
        <translation>Die Speicherplätze beginnen bei 0: der Reihe nach übernommen, Location 0 als Group A CH1</translation>
    </message>
    <message>
        <source>Group %1: %2 NFM (12.5 kHz), %3 FM (25 kHz): %4 taken</source>
        <translation>Group %1: %2 NFM (12,5 kHz), %3 FM (25 kHz): %4 übernommen</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>Zeile %1: </translation>
    </message>
    <message>
        <source>not a channel list: no header line with the columns Location and Frequency</source>
        <translation>keine Kanalliste: keine Kopfzeile mit den Spalten Location und Frequency</translation>
    </message>
    <message>
        <source>not a channel list: its columns are separated by semicolons; save it with commas (CSV) and import it again</source>
        <translation>keine Kanalliste: Ihre Spalten sind durch Semikolons getrennt; speichern Sie sie mit Kommas (CSV) und importieren Sie sie erneut</translation>
    </message>
    <message>
        <source>not a channel list: line %1 has more than 256 columns</source>
        <translation>keine Kanalliste: Zeile %1 hat mehr als 256 Spalten</translation>
    </message>
    <message>
        <source>not a channel list: the quote opened on line %1 is never closed, so the rest of the file would be one field</source>
        <translation>keine Kanalliste: Das in Zeile %1 geöffnete Anführungszeichen wird nie geschlossen, daher wäre der Rest der Datei ein einziges Feld</translation>
    </message>
    <message>
        <source>not a channel list for this radio: more than %1 rows (it has 64 channels)</source>
        <translation>keine Kanalliste für dieses Funkgerät: mehr als %1 Zeilen (es hat 64 Kanäle)</translation>
    </message>
    <message>
        <source>%1 “%2”</source>
        <translation>%1 „%2“</translation>
    </message>
    <message numerus="yes">
        <source>The rows of %1 name %Ln channels.</source>
        <comment>The rows of %1 name %Ln channel.</comment>
        <translation>
            <numerusform>Die Zeilen von %1 nennen %Ln Kanal.</numerusform>
            <numerusform>Die Zeilen von %1 nennen %Ln Kanäle.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln rows are not taken.</source>
        <comment>%Ln row is not taken.</comment>
        <translation>
            <numerusform>%Ln Zeile wird nicht übernommen.</numerusform>
            <numerusform>%Ln Zeilen werden nicht übernommen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Merge into the file&apos;s Locations: %Ln channels change; the channels the rows do not name stay as they are.</source>
        <comment>Merge into the file&apos;s Locations: %Ln channel changes; the channels the rows do not name stay as they are.</comment>
        <translation>
            <numerusform>In die Speicherplätze der Datei zusammenführen: %Ln Kanal ändert sich; die Kanäle, die die Zeilen nicht nennen, bleiben, wie sie sind.</numerusform>
            <numerusform>In die Speicherplätze der Datei zusammenführen: %Ln Kanäle ändern sich; die Kanäle, die die Zeilen nicht nennen, bleiben, wie sie sind.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Replace all channels: %Ln channels change; the channels the rows do not name are emptied.</source>
        <comment>Replace all channels: %Ln channel changes; the channels the rows do not name are emptied.</comment>
        <translation>
            <numerusform>Alle Kanäle ersetzen: %Ln Kanal ändert sich; die Kanäle, die die Zeilen nicht nennen, werden geleert.</numerusform>
            <numerusform>Alle Kanäle ersetzen: %Ln Kanäle ändern sich; die Kanäle, die die Zeilen nicht nennen, werden geleert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Channels the rows change:</source>
        <translation>Kanäle, die die Zeilen ändern:</translation>
    </message>
    <message>
        <source>Replace all channels also changes:</source>
        <translation>Alle Kanäle ersetzen ändert außerdem:</translation>
    </message>
    <message>
        <source>Rows not taken, and what the entry made of others:</source>
        <translation>Nicht übernommene Zeilen und was die Eingabe aus anderen gemacht hat:</translation>
    </message>
    <message numerus="yes">
        <source>Merged %1 into its Locations: %Ln channels changed.</source>
        <comment>Merged %1 into its Locations: %Ln channel changed.</comment>
        <translation>
            <numerusform>%1 in seine Speicherplätze zusammengeführt: %Ln Kanal geändert.</numerusform>
            <numerusform>%1 in seine Speicherplätze zusammengeführt: %Ln Kanäle geändert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Replaced all channels with %1: %Ln channels changed.</source>
        <comment>Replaced all channels with %1: %Ln channel changed.</comment>
        <translation>
            <numerusform>Alle Kanäle durch %1 ersetzt: %Ln Kanal geändert.</numerusform>
            <numerusform>Alle Kanäle durch %1 ersetzt: %Ln Kanäle geändert.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 received bytes were dropped: the receive queue held %2 of %3 bytes.</source>
        <translation>%1 empfangene Bytes wurden verworfen: Die Empfangswarteschlange hielt %2 von %3 Bytes.</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>eines von %1</translation>
    </message>
    <message>
        <source>%1 (a Velmar setting file)</source>
        <translation>%1 (eine Velmar-Einstellungsdatei)</translation>
    </message>
    <message>
        <source>a whole number from 1 to %1</source>
        <translation>eine ganze Zahl von 1 bis %1</translation>
    </message>
    <message>
        <source>text of up to %1 characters, line breaks and tabs its only control characters</source>
        <translation>Text mit höchstens %1 Zeichen, Zeilenumbrüche und Tabulatoren als einzige Steuerzeichen</translation>
    </message>
    <message>
        <source>text of up to %1 characters without control characters</source>
        <translation>Text mit höchstens %1 Zeichen ohne Steuerzeichen</translation>
    </message>
    <message>
        <source>a list of exactly eight groups, &quot;A&quot; to &quot;H&quot; in order</source>
        <translation>eine Liste von genau acht Gruppen, &quot;A&quot; bis &quot;H&quot; der Reihe nach</translation>
    </message>
    <message>
        <source>an object with &quot;group&quot;, &quot;spacing&quot; and &quot;channels&quot;</source>
        <translation>ein Objekt mit &quot;group&quot;, &quot;spacing&quot; und &quot;channels&quot;</translation>
    </message>
    <message>
        <source>%1 (the groups run &quot;A&quot; to &quot;H&quot; in order)</source>
        <translation>%1 (die Gruppen laufen der Reihe nach von &quot;A&quot; bis &quot;H&quot;)</translation>
    </message>
    <message>
        <source>a list of exactly eight channels, CH1 to CH8</source>
        <translation>eine Liste von genau acht Kanälen, CH1 bis CH8</translation>
    </message>
    <message>
        <source>a frequency of nine characters from 400.00000 to 500.00000 MHz on the 6.25 kHz grid, such as 446.00625, or &quot;&quot; for none</source>
        <translation>eine Frequenz aus neun Zeichen von 400.00000 bis 500.00000 MHz im 6,25-kHz-Raster, etwa 446.00625, oder &quot;&quot; für keine</translation>
    </message>
    <message>
        <source>a frequency of nine characters from 400.00000 to 500.00000 MHz on the 6.25 kHz grid, such as 446.00625, or &quot;&quot; for none (the grid point below is %1)</source>
        <translation>eine Frequenz aus neun Zeichen von 400.00000 bis 500.00000 MHz im 6,25-kHz-Raster, etwa 446.00625, oder &quot;&quot; für keine (der Rasterpunkt darunter ist %1)</translation>
    </message>
    <message>
        <source>a list of exactly eight names, CH1 to CH8, &quot;&quot; for none</source>
        <translation>eine Liste von genau acht Namen, CH1 bis CH8, &quot;&quot; für keinen</translation>
    </message>
    <message>
        <source>an object with the 13 options, &quot;Scan Delay Time&quot; to &quot;Band Select&quot;</source>
        <translation>ein Objekt mit den 13 Optionen, &quot;Scan Delay Time&quot; bis &quot;Band Select&quot;</translation>
    </message>
    <message>
        <source>a JSON object with &quot;format&quot;: &quot;velmar-setting&quot;</source>
        <translation>ein JSON-Objekt mit &quot;format&quot;: &quot;velmar-setting&quot;</translation>
    </message>
    <message>
        <source>the whole file</source>
        <translation>die ganze Datei</translation>
    </message>
    <message>
        <source>%1: missing, must be %2</source>
        <translation>%1: fehlt, muss %2 sein</translation>
    </message>
    <message>
        <source>%1: is %2, must be %3</source>
        <translation>%1: ist %2, muss %3 sein</translation>
    </message>
    <message>
        <source>%1: has %2 groups, must be %3</source>
        <translation>%1: hat %2 Gruppen, muss %3 sein</translation>
    </message>
    <message>
        <source>%1: has %2 channels, must be %3</source>
        <translation>%1: hat %2 Kanäle, muss %3 sein</translation>
    </message>
    <message>
        <source>%1: has %2 characters, must be %3</source>
        <translation>%1: hat %2 Zeichen, muss %3 sein</translation>
    </message>
    <message>
        <source>%1: holds a control character, must be %2</source>
        <translation>%1: enthält ein Steuerzeichen, muss %2 sein</translation>
    </message>
    <message>
        <source>%1: is %2: made by a newer Velmar; this one reads versions up to %3</source>
        <translation>%1: ist %2: von einem neueren Velmar erstellt; dieses liest Versionen bis %3</translation>
    </message>
    <message>
        <source>not JSON: nested deeper than %1 levels at byte %2; a setting file is a JSON object with &quot;format&quot;: &quot;velmar-setting&quot;</source>
        <translation>kein JSON: tiefer als %1 Ebenen verschachtelt bei Byte %2; eine Einstellungsdatei ist ein JSON-Objekt mit &quot;format&quot;: &quot;velmar-setting&quot;</translation>
    </message>
    <message>
        <source>not JSON: a NUL character at byte %1; a setting file is a JSON object with &quot;format&quot;: &quot;velmar-setting&quot;</source>
        <translation>kein JSON: ein NUL-Zeichen bei Byte %1; eine Einstellungsdatei ist ein JSON-Objekt mit &quot;format&quot;: &quot;velmar-setting&quot;</translation>
    </message>
    <message>
        <source>not JSON: %1; a setting file is a JSON object with &quot;format&quot;: &quot;velmar-setting&quot;</source>
        <translation>kein JSON: %1; eine Einstellungsdatei ist ein JSON-Objekt mit &quot;format&quot;: &quot;velmar-setting&quot;</translation>
    </message>
    <message>
        <source>%1: has the key %2 twice; each key may appear once</source>
        <translation>%1: hat den Schlüssel %2 zweimal; jeder Schlüssel darf einmal vorkommen</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>larger than %1</source>
        <translation>größer als %1</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>too many levels of symbolic links</source>
        <translation>zu viele Ebenen symbolischer Links</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>cannot create a temporary file in %1: %2</source>
        <translation>kann keine temporäre Datei in %1 anlegen: %2</translation>
    </message>
    <message>
        <source>the value of &quot;%1&quot; is not one device</source>
        <translation>der Wert von &quot;%1&quot; ist nicht ein einzelnes Gerät</translation>
    </message>
    <message>
        <source>it is %1, the setting file it is made from</source>
        <translation>es ist %1, die Einstellungsdatei, aus der sie gemacht wird</translation>
    </message>
    <message>
        <source>cannot keep the sent setting in %1: %2</source>
        <translation>kann die gesendete Einstellung nicht in %1 aufbewahren: %2</translation>
    </message>
    <message>
        <source>%1: cannot read: %2</source>
        <translation>%1: kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1: cannot write: %2</source>
        <translation>%1: kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The channel card cannot be printed: %1</source>
        <translation>Die Kanalkarte kann nicht gedruckt werden: %1</translation>
    </message>
    <message>
        <source>The serial ports present cannot be listed: %1</source>
        <translation>Die vorhandenen seriellen Schnittstellen können nicht aufgelistet werden: %1</translation>
    </message>
    <message>
        <source>%1 needs the PDF file to write</source>
        <translation>%1 braucht die zu schreibende PDF-Datei</translation>
    </message>
    <message>
        <source>%1 needs a device</source>
        <translation>%1 braucht ein Gerät</translation>
    </message>
    <message>
        <source>unknown option: %1</source>
        <translation>unbekannte Option: %1</translation>
    </message>
    <message>
        <source>no setting file given</source>
        <translation>keine Einstellungsdatei angegeben</translation>
    </message>
    <message>
        <source>one setting file only, not %1</source>
        <translation>nur eine Einstellungsdatei, nicht %1</translation>
    </message>
    <message>
        <source>--card needs a FILE.velmar to make the card of</source>
        <translation>--card braucht eine DATEI.velmar, aus der die Karte gemacht wird</translation>
    </message>
    <message>
        <source>Usage: velmar [OPTION]... [FILE.velmar]
Program the channels and options of a UHF PMR/LPD hand-held radio.

Velmar shows one settings dialog: eight channel groups of eight frequencies
(400 to 500 MHz on a 6.25 kHz grid), a channel spacing per group and the
radio&apos;s options. Connect opens the radio&apos;s programming cable, COM1, at 4800
baud, 8 data bits, no parity and two stop bits; Send writes the whole setting
to the radio as one 258-byte programming frame in 141 paced writes. Settings
are kept in setting files (FILE.velmar), and every complete Send is kept in the
history of sent settings.

Options:
  FILE.velmar          open this setting file at start
      --port DEV       use the serial device DEV as COM1 for this run (a USB
                       cable such as /dev/ttyUSB0, or a pseudo-terminal)
      --card OUT.pdf   write the channel card of FILE.velmar to OUT.pdf and
                       exit, without a window: 0 when written, 2 when the
                       file is refused, 1 when the card cannot be written
  -h, --help           display this help and exit
      --version        output version information and exit

COM1 is the first of: --port DEV, the environment&apos;s VELMAR_COM1, the port
chosen last time in the window&apos;s Port menu, /dev/ttyS0. The status line says
which one is in force and why.

Environment:
  VELMAR_COM1      the serial device that COM1 stands for, for example
                   /dev/ttyUSB0 for a USB programming cable

Files:
  ~/.config/velmar/%1    what the window remembers: the port chosen,
                                 the recent files ($XDG_CONFIG_HOME/velmar
                                 when that is set)
  ~/.local/share/velmar/sent/    the settings of the last 500 complete Sends
                                 ($XDG_DATA_HOME/velmar/sent when that is set)

Examples:
  velmar club.velmar                    open a setting and send it from the window
  velmar --port /dev/ttyUSB0            use a USB programming cable as COM1
</source>
        <translation>Aufruf: velmar [OPTION]... [DATEI.velmar]
Programmiert die Kanäle und Optionen eines UHF-PMR/LPD-Handfunkgeräts.

Velmar zeigt einen Einstellungsdialog: acht Kanalgruppen mit je acht
Frequenzen (400 bis 500 MHz im 6,25-kHz-Raster), einen Kanalabstand je Gruppe
und die Optionen des Funkgeräts. „Connect“ öffnet das Programmierkabel des
Funkgeräts, COM1, mit 4800 Baud, 8 Datenbits, ohne Parität und mit zwei
Stoppbits; „Send“ schreibt die ganze Einstellung als einen Programmierrahmen
von 258 Bytes in 141 getakteten Schreibvorgängen in das Funkgerät.
Einstellungen werden in Einstellungsdateien (DATEI.velmar) aufbewahrt, und
jede vollständige Sendung im Verlauf gesendeter Einstellungen.

Optionen:
  DATEI.velmar         diese Einstellungsdatei beim Start öffnen
      --port DEV       das serielle Gerät DEV in diesem Lauf als COM1 nutzen
                       (ein USB-Kabel wie /dev/ttyUSB0 oder ein Pseudo-Terminal)
      --card OUT.pdf   die Kanalkarte von DATEI.velmar nach OUT.pdf schreiben
                       und ohne Fenster enden: 0, wenn geschrieben, 2, wenn
                       die Datei abgelehnt wird, 1, wenn die Karte nicht
                       geschrieben werden kann
  -h, --help           diese Hilfe anzeigen und enden
      --version        Versionsinformation ausgeben und enden

COM1 ist das Erste von: --port DEV, VELMAR_COM1 aus der Umgebung, der zuletzt
im Menü „Port“ des Fensters gewählte Port, /dev/ttyS0. Die Statuszeile sagt,
welches gilt und warum.

Umgebung:
  VELMAR_COM1      das serielle Gerät, für das COM1 steht, zum Beispiel
                   /dev/ttyUSB0 für ein USB-Programmierkabel

Dateien:
  ~/.config/velmar/%1    was sich das Fenster merkt: den gewählten Port,
                                 die letzten Dateien ($XDG_CONFIG_HOME/velmar,
                                 wenn gesetzt)
  ~/.local/share/velmar/sent/    die Einstellungen der letzten 500
                                 vollständigen Sendungen
                                 ($XDG_DATA_HOME/velmar/sent, wenn gesetzt)

Beispiele:
  velmar club.velmar                    eine Einstellung öffnen und aus dem
                                        Fenster senden
  velmar --port /dev/ttyUSB0            ein USB-Programmierkabel als COM1 nutzen
</translation>
    </message>
</context>
</TS>
