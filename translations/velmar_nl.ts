<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Velmar</name>
    <message>
        <source>Radio &amp;Options</source>
        <translation>Radio-&amp;opties</translation>
    </message>
    <message>
        <source>Radio Options</source>
        <translation>Radio-opties</translation>
    </message>
    <message>
        <source>What each option of the radio is. The texts in quotes are the dialog&apos;s own; the radio stores each choice as one code.</source>
        <translation>Wat elke optie van de radio is. De teksten tussen aanhalingstekens zijn die van het dialoogvenster zelf; de radio slaat elke keuze op als één code.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Openen…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Recent geopend</translation>
    </message>
    <message>
        <source>Sent…</source>
        <translation>Verzonden…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Opslaan &amp;als…</translation>
    </message>
    <message>
        <source>&amp;Import Channels (CSV)…</source>
        <translation>Kanalen &amp;importeren (CSV)…</translation>
    </message>
    <message>
        <source>&amp;Export Channels (CSV)…</source>
        <translation>Kanalen &amp;exporteren (CSV)…</translation>
    </message>
    <message>
        <source>Propert&amp;ies…</source>
        <translation>Eigensc&amp;happen…</translation>
    </message>
    <message>
        <source>Export Channel Car&amp;d…</source>
        <translation>Kanaal&amp;kaart exporteren…</translation>
    </message>
    <message>
        <source>&amp;Print Channel Card…</source>
        <translation>Kanaalkaart af&amp;drukken…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>A&amp;fsluiten</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>&amp;Poort</translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation>&amp;Radio</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Verbinden</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>Verbinding ver&amp;breken</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Zenden</translation>
    </message>
    <message>
        <source>&amp;Other Device…</source>
        <translation>&amp;Ander apparaat…</translation>
    </message>
    <message>
        <source>&amp;Find My Cable…</source>
        <translation>Mijn &amp;kabel vinden…</translation>
    </message>
    <message>
        <source>&amp;Channels</source>
        <translation>&amp;Kanalen</translation>
    </message>
    <message>
        <source>&amp;Fill Group with</source>
        <translation>Groep &amp;vullen met</translation>
    </message>
    <message>
        <source>&amp;Clear Group</source>
        <translation>Groep &amp;leegmaken</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>Co&amp;mpare With…</source>
        <translation>Verge&amp;lijken met…</translation>
    </message>
    <message>
        <source>Compare With &amp;Last Sent</source>
        <translation>Vergelijken met laatst &amp;verzonden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Op&amp;nieuw</translation>
    </message>
    <message>
        <source>&amp;Copy Group</source>
        <translation>Groep &amp;kopiëren</translation>
    </message>
    <message>
        <source>&amp;Paste Group</source>
        <translation>Groep &amp;plakken</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Beeld</translation>
    </message>
    <message>
        <source>&amp;All Channels</source>
        <translation>&amp;Alle kanalen</translation>
    </message>
    <message>
        <source>&amp;Messages</source>
        <translation>&amp;Meldingen</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Meldingen</translation>
    </message>
    <message>
        <source>&amp;Copy All</source>
        <translation>Alles &amp;kopiëren</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Vervangen</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importeren</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Herstellen</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Later</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>&amp;Overschrijven</translation>
    </message>
    <message>
        <source>&amp;Merge into the file&apos;s Locations</source>
        <translation>&amp;Samenvoegen in de geheugenplaatsen van het bestand</translation>
    </message>
    <message>
        <source>Replace &amp;all channels</source>
        <translation>&amp;Alle kanalen vervangen</translation>
    </message>
    <message>
        <source>Velmar settings (*.velmar)</source>
        <translation>Velmar-instellingen (*.velmar)</translation>
    </message>
    <message>
        <source>Channel lists (*.csv)</source>
        <translation>Kanaallijsten (*.csv)</translation>
    </message>
    <message>
        <source>Open Setting</source>
        <translation>Instelling openen</translation>
    </message>
    <message>
        <source>Save Setting As</source>
        <translation>Instelling opslaan als</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Kanalen importeren</translation>
    </message>
    <message>
        <source>Export Channels</source>
        <translation>Kanalen exporteren</translation>
    </message>
    <message>
        <source>Open a Sent Setting</source>
        <translation>Een verzonden instelling openen</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-documenten (*.pdf)</translation>
    </message>
    <message>
        <source>Export Channel Card</source>
        <translation>Kanaalkaart exporteren</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschappen</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titel:</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Notities:</translation>
    </message>
    <message>
        <source>The title, the notes and the channels&apos; names travel with the setting file and go on the channel card; the radio does not store them.</source>
        <translation>De titel, de notities en de namen van de kanalen reizen mee met het instellingenbestand en staan op de kanaalkaart; de radio slaat ze niet op.</translation>
    </message>
    <message>
        <source>Channel card</source>
        <translation>Kanaalkaart</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notities</translation>
    </message>
    <message>
        <source>No channel has a frequency.</source>
        <translation>Geen enkel kanaal heeft een frequentie.</translation>
    </message>
    <message>
        <source>In this mode the radio uses its own channels: the groups below are not in use until &quot;GRUOP&quot; is chosen.</source>
        <translation>In deze modus gebruikt de radio zijn eigen kanalen: de groepen hieronder zijn pas in gebruik als &quot;GRUOP&quot; gekozen is.</translation>
    </message>
    <message>
        <source>Disconnect to change the port: the port in use stays until then.</source>
        <translation>Verbreek de verbinding om van poort te wisselen: de gebruikte poort blijft tot dan.</translation>
    </message>
    <message>
        <source>Other Device</source>
        <translation>Ander apparaat</translation>
    </message>
    <message>
        <source>The device COM1 stands for (a serial device, a pseudo-terminal or a link to one):</source>
        <translation>Het apparaat waar COM1 voor staat (een serieel apparaat, een pseudoterminal of een koppeling daarnaar):</translation>
    </message>
    <message>
        <source>Find My Cable</source>
        <translation>Mijn kabel vinden</translation>
    </message>
    <message>
        <source>built-in</source>
        <translation>ingebouwd</translation>
    </message>
    <message>
        <source>open</source>
        <translation>open</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>gesloten</translation>
    </message>
    <message>
        <source>open, the line hung up</source>
        <translation>open, de lijn heeft opgehangen</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Send progress</source>
        <translation>Voortgang van het zenden</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Zenden</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Verbinding</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Ontvangen</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Opmerking</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Closing after the Send…</source>
        <translation>Sluiten na het zenden…</translation>
    </message>
    <message>
        <source>PMR, LPD and PMR + LPD use the radio&apos;s own channels: choose &quot;GRUOP&quot; to program the groups.</source>
        <translation>PMR, LPD en PMR + LPD gebruiken de eigen kanalen van de radio: kies &quot;GRUOP&quot; om de groepen te programmeren.</translation>
    </message>
    <message>
        <source>The channels are programmed in the &quot;GRUOP&quot; mode.</source>
        <translation>De kanalen worden geprogrammeerd in de modus &quot;GRUOP&quot;.</translation>
    </message>
    <message>
        <source>All Channels</source>
        <translation>Alle kanalen</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groep</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>Kanaal</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequentie</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Kanaalafstand</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Kanaalplan</translation>
    </message>
    <message>
        <source>Same as</source>
        <translation>Gelijk aan</translation>
    </message>
    <message>
        <source>Chec&amp;k Setting</source>
        <translation>Instelling &amp;controleren</translation>
    </message>
    <message>
        <source>Check Setting</source>
        <translation>Instelling controleren</translation>
    </message>
    <message>
        <source>Nothing to warn of: every channel is a PMR446 or LPD433 channel in a group of its spacing, and no group holds a frequency twice.</source>
        <translation>Niets te melden: elk kanaal is een PMR446- of LPD433-kanaal in een groep met zijn kanaalafstand, en geen groep bevat een frequentie twee keer.</translation>
    </message>
    <message>
        <source>Nothing to check: in this mode the radio uses its own channels, not the groups.</source>
        <translation>Niets te controleren: in deze modus gebruikt de radio zijn eigen kanalen, niet de groepen.</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Vergelijken met</translation>
    </message>
    <message>
        <source>No Send the radio could have taken has been kept yet: the history of sent settings holds none.</source>
        <translation>Er is nog geen verzending bewaard die de radio had kunnen ontvangen: de geschiedenis van verzonden instellingen is leeg.</translation>
    </message>
</context>
</TS>
