<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Quillet</name>
    <message>
        <source>Registered %1.</source>
        <extracomment>%1 is a file name</extracomment>
        <translation>注册%1成功!</translation>
    </message>
    <message>
        <source>Registering %1 failed (%2 exit code %3).</source>
        <extracomment>%1 is a file name, %2 the registration tool (Regsvr32), %3 its exit code</extracomment>
        <translation>注册%1失败!（%2 退出代码 %3）</translation>
    </message>
    <message>
        <source>Registering %1 failed (%2 did not end within %3 seconds and was ended).</source>
        <extracomment>%1 is a file name, %2 the registration tool (Regsvr32), %3 a number of seconds</extracomment>
        <translation>注册%1失败!（%2 超过 %3 秒没有结束，已被终止）</translation>
    </message>
    <message>
        <source>Cannot start the registration tool %1: %2</source>
        <extracomment>%1 is the registration tool (Regsvr32), %2 the system&apos;s reason</extracomment>
        <translation>无法启动注册工具 %1：%2</translation>
    </message>
    <message>
        <source>Cannot read the folder %1: %2</source>
        <extracomment>%1 is a folder, %2 the system&apos;s reason</extracomment>
        <translation>无法读取文件夹 %1：%2</translation>
    </message>
</context>
</TS>
