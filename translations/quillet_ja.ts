<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Quillet</name>
    <message>
        <source>Registered %1.</source>
        <extracomment>%1 is a file name</extracomment>
        <translation>%1 を登録しました。</translation>
    </message>
    <message>
        <source>Registering %1 failed (%2 exit code %3).</source>
        <extracomment>%1 is a file name, %2 the registration tool (Regsvr32), %3 its exit code</extracomment>
        <translation>%1 の登録に失敗しました (%2 の終了コード %3)。</translation>
    </message>
    <message>
        <source>Registering %1 failed (%2 did not end within %3 seconds and was ended).</source>
        <extracomment>%1 is a file name, %2 the registration tool (Regsvr32), %3 a number of seconds</extracomment>
        <translation>%1 の登録に失敗しました (%2 が %3 秒以内に終了しなかったため、強制終了しました)。</translation>
    </message>
    <message>
        <source>Cannot start the registration tool %1: %2</source>
        <extracomment>%1 is the registration tool (Regsvr32), %2 the system&apos;s reason</extracomment>
        <translation>登録ツール %1 を起動できません: %2</translation>
    </message>
    <message>
        <source>Cannot read the folder %1: %2</source>
        <extracomment>%1 is a folder, %2 the system&apos;s reason</extracomment>
        <translation>フォルダー %1 を読み取れません: %2</translation>
    </message>
</context>
</TS>
