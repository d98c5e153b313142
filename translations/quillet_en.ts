<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>CandidateSearch</name>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>候補を探すフォルダがまだ分かりません。プロジェクトを選ぶか、ファイルを一つだけリストに入れてから探して下さい。</source>
        <translation>The folder to search is not known yet. Choose a project, or put one file in the list, and search again.</translation>
    </message>
</context>
<context>
    <name>DropCheck</name>
    <message>
        <source>プロジェクト名が違います</source>
        <translation>Different project name</translation>
    </message>
    <message>
        <source>コメントの中のプロジェクト名が同じでは有りません。</source>
        <translation>The project name in the comment is not the same.</translation>
    </message>
    <message>
        <source>プロジェクト名の不一致</source>
        <translation>Project names differ</translation>
    </message>
    <message>
        <source>ファイルに書かれたプロジェクト名と表示のファイル名が一致しません。<byte value="xd"/>
ファイルに書かれたプロジェクトに変更しますか？</source>
        <translation>The project name written in the file does not match the one shown.<byte value="xd"/>
Switch to the project written in the file?</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>プロジェクト(&amp;P)</source>
        <translation>&amp;Project</translation>
    </message>
    <message>
        <source>プロジェクトの保存(&amp;S)</source>
        <translation>&amp;Save Project</translation>
    </message>
    <message>
        <source>プロジェクトの削除</source>
        <translation>Delete Project</translation>
    </message>
    <message>
        <source>直前の処理を元に戻す(&amp;U)</source>
        <translation>&amp;Undo Last Command</translation>
    </message>
    <message>
        <source>メニューを揃える(&amp;A)</source>
        <translation>&amp;Align Menus</translation>
    </message>
    <message>
        <source>対象ファイルの追加(&amp;F)</source>
        <translation>&amp;Files</translation>
    </message>
    <message>
        <source>HTMLファイルの追加(&amp;A)</source>
        <translation>&amp;Add HTML Files...</translation>
    </message>
    <message>
        <source>候補のファイル探し(&amp;T)</source>
        <translation>Find Candida&amp;tes</translation>
    </message>
    <message>
        <source>変換前のファイルの候補探し(&amp;P)</source>
        <translation>Find Pages Before Conversion (&amp;P)</translation>
    </message>
    <message>
        <source>変換後のファイルの候補探し(&amp;R)</source>
        <translation>Find Pages After Conversion (&amp;R)</translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>仮のコメントをコメントに直します</source>
        <translation>Turn Temporary Comments into Comments</translation>
    </message>
    <message>
        <source>リンクの色変換(&amp;C)</source>
        <translation>Link &amp;Colour...</translation>
    </message>
    <message>
        <source>メニューのリンクをフォルダに合わせる</source>
        <translation>Menu Links Relative to the Site Folder</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>ヘルプ表示(&amp;S)</source>
        <translation>&amp;Show Help</translation>
    </message>
    <message>
        <source>バージョン(&amp;V)</source>
        <translation>&amp;Version</translation>
    </message>
    <message>
        <source>HTMLファイル(&amp;H)</source>
        <translation>&amp;HTML Files</translation>
    </message>
    <message>
        <source>選択リストの削除(&amp;D)</source>
        <translation>&amp;Delete Selected</translation>
    </message>
    <message>
        <source>リストのクリア(&amp;C)</source>
        <translation>&amp;Clear List</translation>
    </message>
</context>
<context>
    <name>MenuAlign</name>
    <message>
        <source>のメニューを揃えました。</source>
        <translation>: menu aligned.</translation>
    </message>
    <message>
        <source>のメニューは揃っています。</source>
        <translation>: menu already aligned.</translation>
    </message>
    <message>
        <source>は変換されているため揃えませんでした。</source>
        <translation>: not aligned, the page is converted.</translation>
    </message>
    <message>
        <source>にはメニューらしい所が二つ以上あるため揃えませんでした。</source>
        <translation>: not aligned, the page holds more than one menu-like block.</translation>
    </message>
    <message>
        <source>にはメニューが見つからないため揃えませんでした。</source>
        <translation>: not aligned, no menu found.</translation>
    </message>
</context>
<context>
    <name>MenuBlock</name>
    <message>
        <source>メニューの位置にはプロジェクトのタグしかないので、メニューは取りませんでした。</source>
        <translation>The menu&apos;s place holds only a project tag, so no menu was taken.</translation>
    </message>
</context>
<context>
    <name>PageFile</name>
    <message>
        <source>文字コードを正しく変換できないバイトを含んでいます。</source>
        <translation>It contains bytes that cannot be decoded in its encoding.</translation>
    </message>
    <message>
        <source>読み込んだ後に変更されています。</source>
        <translation>It was changed after it was read.</translation>
    </message>
    <message>
        <source>ファイルの文字コードで表せない文字を含んでいます。</source>
        <translation>It contains characters that the file&apos;s encoding cannot hold.</translation>
    </message>
    <message>
        <source>フォルダです。</source>
        <translation>It is a folder.</translation>
    </message>
    <message>
        <source>通常のファイルではありません。</source>
        <translation>It is not a regular file.</translation>
    </message>
    <message>
        <source>書き込みが許可されていません。</source>
        <translation>Writing is not permitted.</translation>
    </message>
</context>
<context>
    <name>PageRun</name>
    <message>
        <source>を読み込めませんでした。</source>
        <translation>: could not be read.</translation>
    </message>
    <message>
        <source>は処理中に変更されたため書き込みませんでした。</source>
        <translation>: not written, it was changed during the run.</translation>
    </message>
    <message>
        <source>は書き込みが許可されていないため書き込みませんでした。</source>
        <translation>: not written, writing is not permitted.</translation>
    </message>
    <message>
        <source>を書き込めませんでした。</source>
        <translation>: could not be written.</translation>
    </message>
    <message>
        <source>中止しました。%1 ページ中 %2 ページを処理しました。</source>
        <translation>Stopped. %2 of %1 pages were processed.</translation>
    </message>
</context>
<context>
    <name>PageUndo</name>
    <message>
        <source>を元に戻しました。</source>
        <translation>: undone.</translation>
    </message>
    <message>
        <source>は書き換えられる前だったので、そのままです。</source>
        <translation>: left as it is, it had not been replaced yet.</translation>
    </message>
    <message>
        <source>はこの処理の後に変更されているので、元に戻しませんでした。</source>
        <translation>: not undone, it was changed after that run.</translation>
    </message>
    <message>
        <source>を読み込めないので、元に戻しませんでした。</source>
        <translation>: not undone, it cannot be read.</translation>
    </message>
    <message>
        <source>は書き込みが許可されていないため元に戻しませんでした。</source>
        <translation>: not undone, writing is not permitted.</translation>
    </message>
    <message>
        <source>は取り消し用の記録が壊れているので、元に戻せません。</source>
        <translation>: cannot be undone, its undo record is damaged.</translation>
    </message>
    <message>
        <source>を書き込めませんでした。</source>
        <translation>: could not be written.</translation>
    </message>
    <message>
        <source> ページ</source>
        <translation> pages</translation>
    </message>
    <message>
        <source>取り消し用の記録が壊れているか途中で終わっているので、元に戻せないページがあるかもしれません。記録は消さずに残しました。<byte value="xd"/>
</source>
        <translation>The undo record is damaged or ends early, so some pages may not be undone. The record was kept.<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>PageWriter</name>
    <message>
        <source>取り消し用の記録を書き込めません</source>
        <translation>The undo record cannot be written</translation>
    </message>
    <message>
        <source>取り消し用の記録を書き込めなかったので、ページは書き換えませんでした。<byte value="xd"/>
</source>
        <translation>The undo record could not be written, so no page was changed.<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>PathAdmission</name>
    <message>
        <source>追加できないファイル</source>
        <translation>Files not added</translation>
    </message>
    <message>
        <source>次のファイルはプロジェクトファイルに書けない文字を含むため、リストに追加しませんでした。<byte value="xd"/>
</source>
        <translation>These files were not added to the list, because their names hold characters the project file cannot store.<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>ProjectLocation</name>
    <message>
        <source>プロジェクトファイル: </source>
        <translation>Project file: </translation>
    </message>
</context>
<context>
    <name>ProjectMessages</name>
    <message>
        <source>XML書き込みエラー</source>
        <translation>XML write error</translation>
    </message>
    <message>
        <source>プロジェクト消去エラー</source>
        <translation>Project deletion error</translation>
    </message>
    <message>
        <source>プロジェクトファイルの形式が正しくありません。</source>
        <translation>The project file&apos;s format is not valid.</translation>
    </message>
    <message>
        <source>プロジェクト名が有りません。</source>
        <translation>No project name.</translation>
    </message>
    <message>
        <source>プロジェクト名を入力して下さい。</source>
        <translation>Please enter a project name.</translation>
    </message>
    <message>
        <source>プロジェクト「%1」を削除しますか?</source>
        <translation>Delete the project &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>変更を保存しますか?</source>
        <translation>Save the changes?</translation>
    </message>
    <message>
        <source>プロジェクトの更新</source>
        <translation>Update project</translation>
    </message>
    <message>
        <source>プロジェクトの書き換えを行います。</source>
        <translation>The project will be overwritten.</translation>
    </message>
    <message>
        <source>プロジェクト「%1」は読み込んだ後で他のプログラムが変更しました。<byte value="xd"/>
このウィンドウの内容で書き換えますか?</source>
        <translation>Another program changed the project &quot;%1&quot; after it was loaded.<byte value="xd"/>
Overwrite it with this window&apos;s content?</translation>
    </message>
    <message>
        <source>プロジェクト保存エラー</source>
        <translation>Project save error</translation>
    </message>
    <message>
        <source>プロジェクトの保存には少なくても１つのファイルが必要です。</source>
        <translation>A project needs at least one file to be saved.</translation>
    </message>
    <message>
        <source>最後のファイルが書き込めませんでした。</source>
        <translation>The last file could not be written.</translation>
    </message>
    <message>
        <source>プロジェクトが見つかりませんでした。</source>
        <translation>The project was not found.</translation>
    </message>
    <message>
        <source>プロジェクト「%1」は他のプログラムが変更しました。もう一度実行して下さい。</source>
        <translation>Another program changed the project &quot;%1&quot;. Please try again.</translation>
    </message>
    <message>
        <source>XML読み込みエラー</source>
        <translation>XML read error</translation>
    </message>
    <message>
        <source>プロジェクトファイルが壊れています。%1 行目で読み込みを止めました。</source>
        <translation>The project file is damaged. Reading stopped at line %1.</translation>
    </message>
    <message>
        <source>プロジェクトファイルを読み込めませんでした。<byte value="xd"/>
</source>
        <translation>The project file could not be read.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>プロジェクトファイルを書き込めませんでした。<byte value="xd"/>
</source>
        <translation>The project file could not be written.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>他のプログラムがプロジェクトファイルを使用中です。<byte value="xd"/>
</source>
        <translation>Another program is using the project file.<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>ProjectStore</name>
    <message>
        <source>プロジェクトは保存されませんでした。</source>
        <translation>The project was not saved.</translation>
    </message>
</context>
<context>
    <name>Runs</name>
    <message>
        <source>を戻しました。</source>
        <translation>: restored.</translation>
    </message>
    <message>
        <source>のリンクを修正しました。</source>
        <translation>: links corrected.</translation>
    </message>
    <message>
        <source>は戻しませんでした。</source>
        <translation>: not restored.</translation>
    </message>
    <message>
        <source>メニュ文字設定エラー</source>
        <translation>Menu text error</translation>
    </message>
    <message>
        <source>メニュー文字が設定されていません。</source>
        <translation>No menu text is set.</translation>
    </message>
    <message>
        <source>置き換え文字エラー</source>
        <translation>Replacement text error</translation>
    </message>
    <message>
        <source>置き換え文字が設定されていません。</source>
        <translation>No replacement text is set.</translation>
    </message>
    <message>
        <source>は変換しませんでした。</source>
        <translation>: not converted.</translation>
    </message>
    <message>
        <source>の変換を行ないました。</source>
        <translation>: converted.</translation>
    </message>
    <message>
        <source>ログです</source>
        <translation>Log</translation>
    </message>
</context>
<context>
    <name>SelfLinks</name>
    <message>
        <source>のリンクを修正しました。</source>
        <translation>: links corrected.</translation>
    </message>
</context>
<context>
    <name>SourceSave</name>
    <message>
        <source>保存先のファイル名がありません。</source>
        <translation>There is no file name to save to.</translation>
    </message>
    <message>
        <source>表示中のテキストはこのファイルを読み込んだものではありません。</source>
        <translation>The text shown was not read from this file.</translation>
    </message>
    <message>
        <source>クイレット</source>
        <translation>Quillet</translation>
    </message>
    <message>
        <source><byte value="xd"/>
ファイルは保存できませんでした</source>
        <translation><byte value="xd"/>
The file could not be saved</translation>
    </message>
    <message>
        <source><byte value="xd"/>
このファイルは表示した後に変更されています。<byte value="xd"/>
表示中のテキストで置き換えますか？</source>
        <translation><byte value="xd"/>
This file was changed after it was shown.<byte value="xd"/>
Replace it with the text shown?</translation>
    </message>
</context>
<context>
    <name>TempComments</name>
    <message>
        <source>のファイルの仮コメントをコメントに変換しました。</source>
        <translation>: temporary comments turned into comments.</translation>
    </message>
    <message>
        <source>のファイルには仮コメントは有りませんでした。</source>
        <translation>: no temporary comments.</translation>
    </message>
    <message>
        <source>プロジェクト名エラー</source>
        <translation>Project name error</translation>
    </message>
    <message>
        <source>プロジェクト名を入力してください。</source>
        <translation>Please enter a project name.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>開いているクイレットのウィンドウが応答しません。<byte value="xd"/>
そのウィンドウを閉じてから、もう一度開いてください。</source>
        <translation>The open Quillet window does not answer.<byte value="xd"/>
Close that window, then open again.</translation>
    </message>
</context>
<context>
    <name>quillet::CandidateSearchCommands</name>
    <message>
        <source>候補探し</source>
        <translation>Finding candidates</translation>
    </message>
</context>
<context>
    <name>quillet::FileListDrop</name>
    <message>
        <source>確認</source>
        <translation>Checking</translation>
    </message>
</context>
<context>
    <name>quillet::FomMain</name>
    <message>
        <source>ファイル</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>メニュー文字</source>
        <translation>Menu text</translation>
    </message>
    <message>
        <source>HTML表示</source>
        <translation>HTML source</translation>
    </message>
    <message>
        <source>WEB表示</source>
        <translation>Web view</translation>
    </message>
    <message>
        <source>Log表示</source>
        <translation>Log</translation>
    </message>
</context>
<context>
    <name>quillet::HelpCommands</name>
    <message>
        <source>ヘルプのページ（help/menu.html）が見つかりません。</source>
        <translation>The help page (help/menu.html) was not found.</translation>
    </message>
</context>
<context>
    <name>quillet::HelpWindow</name>
    <message>
        <source>ヘルプ </source>
        <translation>Help </translation>
    </message>
</context>
<context>
    <name>quillet::LogView</name>
    <message>
        <source> &quot;ログです&quot;</source>
        <translation> &quot;Log&quot;</translation>
    </message>
</context>
<context>
    <name>quillet::OfferedPages</name>
    <message>
        <source>次のページをファイル一覧に加えますか?</source>
        <translation>Add these pages to the file list?</translation>
    </message>
    <message>
        <source>次のページをプロジェクト「%1」のファイル一覧に加えますか?</source>
        <translation>Add these pages to the file list of the project &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>ページの追加</source>
        <translation>Add pages</translation>
    </message>
</context>
<context>
    <name>quillet::PreviewToolbar</name>
    <message>
        <source>メニュー文字の設定</source>
        <translation>Set Menu Text</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>quillet::ProjectPanel</name>
    <message>
        <source>変換</source>
        <translation>Convert</translation>
    </message>
    <message>
        <source>戻す</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>クリア</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>選択行の削除</source>
        <translation>Delete Selected Rows</translation>
    </message>
    <message>
        <source>メニューを置き換え文字に変換します</source>
        <translation>Turns the menu into the replacement text</translation>
    </message>
    <message>
        <source>置き換え文字をメニューに戻します</source>
        <translation>Turns the replacement text back into the menu</translation>
    </message>
    <message>
        <source>プロジェクト名</source>
        <translation>Project name</translation>
    </message>
    <message>
        <source>置き換え文字</source>
        <translation>Replacement text</translation>
    </message>
</context>
<context>
    <name>quillet::QtDialogs</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>HTMLファイル (*.htm *.html *.shtml);;すべてのファイル (*)</source>
        <translation>HTML files (*.htm *.html *.shtml);;All files (*)</translation>
    </message>
</context>
<context>
    <name>quillet::RunCommands</name>
    <message>
        <source>変換</source>
        <translation>Convert</translation>
    </message>
    <message>
        <source>%1 ページ中 %2 ページを変換しました</source>
        <translation>Converted %2 of %1 pages</translation>
    </message>
    <message>
        <source>戻す</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>%1 ページ中 %2 ページを戻しました</source>
        <translation>Restored %2 of %1 pages</translation>
    </message>
    <message>
        <source>メニューを揃える</source>
        <translation>Align menus</translation>
    </message>
    <message>
        <source>%1 ページのメニューを置き換えます。<byte value="xd"/>
</source>
        <translation>The menu of %1 pages will be replaced.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>%1 ページ中 %2 ページのメニューを揃えました</source>
        <translation>Aligned the menu of %2 of %1 pages</translation>
    </message>
    <message>
        <source>仮のコメントをコメントに直す</source>
        <translation>Turn temporary comments into comments</translation>
    </message>
    <message>
        <source> (失敗 %1)</source>
        <translation> (%1 failed)</translation>
    </message>
    <message>
        <source> (中止)</source>
        <translation> (stopped)</translation>
    </message>
</context>
<context>
    <name>quillet::RunProgressDialog</name>
    <message>
        <source>中止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>中止しています…</source>
        <translation>Stopping…</translation>
    </message>
    <message>
        <source>%1 / %2 ページ</source>
        <translation>%1 / %2 pages</translation>
    </message>
</context>
<context>
    <name>quillet::SourceCommands</name>
    <message>
        <source>選択エラー</source>
        <translation>Selection error</translation>
    </message>
    <message>
        <source>目次文字に設定する文字列を選択して下さい。</source>
        <translation>Select the text to set as the menu text.</translation>
    </message>
</context>
<context>
    <name>quillet::UndoCommand</name>
    <message>
        <source>元に戻す</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>変換</source>
        <translation>Convert</translation>
    </message>
    <message>
        <source>戻す</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>メニューを揃える</source>
        <translation>Align menus</translation>
    </message>
    <message>
        <source>仮のコメントをコメントに直します</source>
        <translation>Turn Temporary Comments into Comments</translation>
    </message>
    <message>
        <source>プロジェクトの保存</source>
        <translation>Save project</translation>
    </message>
    <message>
        <source>HTML表示の保存</source>
        <translation>Save HTML source</translation>
    </message>
    <message>
        <source>元に戻せる処理はありません。</source>
        <translation>There is no command to undo.</translation>
    </message>
    <message>
        <source>次の処理の前の内容にページを戻します。<byte value="xd"/>
</source>
        <translation>The pages will be given back what they held before this command:<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>quillet::WelcomePicture</name>
    <message>
        <source>ようこそ&#x3000;クイレットへ！</source>
        <translation>Welcome to Quillet!</translation>
    </message>
    <message>
        <source>ここにファイルをドラッグ＆ドロップして下さい。</source>
        <translation>Drag and drop files here.</translation>
    </message>
</context>
<context>
    <name>quillet::WindowDialogs</name>
    <message>
        <source>クイレット</source>
        <translation>Quillet</translation>
    </message>
</context>
<context>
    <name>quillet::frmAbout</name>
    <message>
        <source>Copyright (C) 2026 クイレットの開発者
GNU GPL バージョン 3 以降で再配布・改変できる
フリーソフトウェアです。保証はありません。</source>
        <translation>Copyright (C) 2026 the Quillet developers
Free software: you may redistribute and change it under the GNU GPL,
version 3 or later. There is no warranty.</translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報 クイレット</source>
        <translation>About Quillet</translation>
    </message>
    <message>
        <source>クイレット</source>
        <translation>Quillet</translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>HTML テキストエディター</source>
        <translation>HTML text editor</translation>
    </message>
    <message>
        <source>ｼｽﾃﾑ情報(&amp;S)...</source>
        <translation>&amp;System Info...</translation>
    </message>
    <message>
        <source>現時点ではｼｽﾃﾑ情報を使用できません</source>
        <translation>System information is not available at this time</translation>
    </message>
</context>
</TS>
